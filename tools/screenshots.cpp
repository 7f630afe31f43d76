// vorlan-screenshots CASE FOLDER [--report FILE.pdf]: opens a case in the main window, calculates it
// and saves pictures of the main window, the results window, the Options dialog, the details and
// temperature profile windows, the Study window (a length sweep of the case), the Design window (a
// search for the case's duty), the Fluid information view (toluene at 1 bar) and the standard-pipe
// picker of the external pipe into FOLDER, for the guide and the README; with --report, also prints
// the case's report into FILE.pdf.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "platform/appdir.h"
#include "ui/analysisviews.h"
#include "ui/designwindow.h"
#include "ui/fluidinfowindow.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/pipepicker.h"
#include "ui/profileplot.h"
#include "ui/resultswindow.h"
#include "ui/studywindow.h"

namespace {

// How often the study and the design search are looked at until both have finished [ms].
constexpr int kStudyPollMilliseconds = 100;

/** The control of the Study window named name; the window's own names, as its tests use them. */
template <typename T> T* studyControl(vorlan::StudyWindow* study, const char* name)
{
    T* control = study->findChild<T*>(name);
    if (control == nullptr)
        std::fprintf(stderr, "vorlan-screenshots: no control %s in the Study window\n", name);
    return control;
}

/** Picks the item of a combo box that reads text; false when it has none. */
bool pick(QComboBox* box, const QString& text)
{
    const int index = box == nullptr ? -1 : box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    return index >= 0;
}

/** Starts a 50-point sweep of the length from 2 m to 40 m, plotting the duty and the external ΔP. */
bool startLengthSweep(vorlan::StudyWindow* study)
{
    auto* from = studyControl<QLineEdit>(study, "sweepFrom");
    auto* to = studyControl<QLineEdit>(study, "sweepTo");
    auto* points = studyControl<QSpinBox>(study, "sweepPoints");
    if (!pick(studyControl<QComboBox>(study, "sweepBox"), "Length [m]")
        || !pick(studyControl<QComboBox>(study, "plotFirst"), "Duty [kW]")
        || !pick(studyControl<QComboBox>(study, "plotSecond"), "External pressure drop [kPa]") || from == nullptr
        || to == nullptr || points == nullptr)
        return false;
    from->setText("2");
    to->setText("40");
    points->setValue(50);
    study->run();
    return study->isRunning();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool report = argc == 5 && std::strcmp(argv[3], "--report") == 0;
    if (argc != 3 && !report) {
        std::fputs("usage: vorlan-screenshots CASE FOLDER [--report FILE.pdf]\n", stderr);
        return 2;
    }
    const std::string programFolder = vorlan::QuestaDirectory();
    int failures = 0;
    vorlan::MainWindow window(programFolder + "/data", QString::fromStdString(programFolder),
        [&failures](QMessageBox::Icon, const QString&, const QString& text) {
            std::fprintf(stderr, "vorlan-screenshots: %s\n", qPrintable(text));
            ++failures;
        });
    window.show();
    if (!window.openCase(argv[1]))
        return 1;
    window.calculate();
    if (report) {
        QPdfWriter writer(QString::fromLocal8Bit(argv[4]));
        window.printReport(&writer);
    }
    window.showOptions();
    window.analysisViews()->showDetails();
    window.analysisViews()->showProfile();
    window.showStudy();
    vorlan::FluidInfoWindow fluidInformation;
    fluidInformation.showFluid(programFolder + "/data", "Toluene", "1");
    fluidInformation.resize(920, 620); // narrower than on screen, to stay legible on the guide's page
    fluidInformation.show();
    window.findChild<QPushButton*>("externalStandardPipe")->click();
    auto* picker = window.findChild<vorlan::PipePicker*>();
    if (picker == nullptr)
        return 1;
    vorlan::StudyWindow* study = window.studyWindow();
    if (!startLengthSweep(study))
        return 1;
    auto* designEntry = window.findChild<QAction*>("mnuDesign");
    if (designEntry == nullptr)
        return 1;
    designEntry->trigger(); // Studies > Design...
    vorlan::DesignWindow* design = window.designWindow();
    design->search();
    if (!design->isRunning())
        return 1;
    const QString folder = argv[2];
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (study->isRunning() || design->isRunning())
            return;
        poll.stop();
        const bool saved = window.grab().save(folder + "/main-window.png")
            && window.resultsWindow()->grab().save(folder + "/results-window.png")
            && window.optionsDialog()->grab().save(folder + "/options-dialog.png")
            && window.analysisViews()->detailsWindow()->grab().save(folder + "/details-window.png")
            && window.analysisViews()->profileWindow()->grab().save(folder + "/profile-window.png")
            && study->grab().save(folder + "/study-window.png") && design->grab().save(folder + "/design-window.png")
            && fluidInformation.grab().save(folder + "/fluid-information.png")
            && picker->grab().save(folder + "/pipe-picker.png");
        QApplication::exit(saved && failures == 0 ? 0 : 1);
    });
    poll.start(kStudyPollMilliseconds);
    return QApplication::exec();
}
