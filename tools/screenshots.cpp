// vorlan-screenshots CASE FOLDER: opens a case in the main window, calculates it and saves pictures
// of the main window, the results window, the Options dialog and the details and temperature
// profile windows into FOLDER, for the guide and the README.
#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>

#include "platform/appdir.h"
#include "ui/analysisviews.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/profileplot.h"
#include "ui/resultswindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: vorlan-screenshots CASE FOLDER\n", stderr);
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
    window.showOptions();
    window.analysisViews()->showDetails();
    window.analysisViews()->showProfile();
    const QString folder = argv[2];
    QTimer::singleShot(300, [&] {
        const bool saved = window.grab().save(folder + "/main-window.png")
            && window.resultsWindow()->grab().save(folder + "/results-window.png")
            && window.optionsDialog()->grab().save(folder + "/options-dialog.png")
            && window.analysisViews()->detailsWindow()->grab().save(folder + "/details-window.png")
            && window.analysisViews()->profileWindow()->grab().save(folder + "/profile-window.png");
        QApplication::exit(saved && failures == 0 ? 0 : 1);
    });
    return QApplication::exec();
}
