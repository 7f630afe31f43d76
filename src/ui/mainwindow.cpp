#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <filesystem>

#include "platform/calcerror.h"
#include "platform/messages.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"
#include "properties/pressurelist.h"
#include "ui/analysisviews.h"
#include "ui/boxlook.h"
#include "ui/casereport.h"
#include "ui/caseuserfluid.h"
#include "ui/combotext.h"
#include "ui/formfont.h"
#include "ui/foulingdialog.h"
#include "ui/hairpindialog.h"
#include "ui/helpviewer.h"
#include "ui/keyfilter.h"
#include "ui/optionsdialog.h"
#include "ui/resultswindow.h"
#include "ui/studywindow.h"
#include "ui/userfluidfolder.h"
#include "ui/windowpositions.h"
#include "ui/windowtext.h"
#include "ui_form1.h"

namespace vorlan {

namespace {

void setComboText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace

MainWindow::MainWindow(std::string dataFolder, QString guideFolder, MessageHandler showMessage, QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Form1>())
    , m_dataFolder(std::move(dataFolder))
    , m_guideFolder(std::move(guideFolder))
    , m_core(m_dataFolder, userFluidFolder())
    , m_showMessage(showMessage ? std::move(showMessage) : messageBoxHandler(this))
    , m_analysis(new AnalysisViews(this))
{
    m_ui->setupUi(this);
    m_analysis->addMenu(menuBar());
    addStudiesMenu();
    applyFormFont(this);
    adjustSize();
    setFixedSize(size());
    move(kMainWindowPosition);

    for (int i = 1; i <= 12; ++i) {
        const QString name = QStringLiteral("Text%1").arg(i);
        const bool temperature = i == 6 || i == 7 || i == 9 || i == 10;
        findChild<QLineEdit*>(name)->installEventFilter(new NumericKeyFilter(temperature, this));
    }
    connectModeRules();
    runOnPickOnly(m_ui->Combo1, [this] { pickFluid(true); });
    runOnPickOnly(m_ui->Combo2, [this] { pickFluid(false); });
    for (QComboBox* combo : {m_ui->Combo1, m_ui->Combo2, m_ui->Combo3, m_ui->Combo4, m_ui->Combo5})
        showTextStart(combo);
    connect(m_ui->Command1, &QPushButton::clicked, this, &MainWindow::calculateWithWaitCursor);
    connect(m_ui->Command2, &QPushButton::clicked, this, &MainWindow::showOptions);
    connect(m_ui->mnuNewFile, &QAction::triggered, this, [this] {
        if (askToSaveChanges())
            newCase();
    });
    connect(m_ui->mnuFileOpen, &QAction::triggered, this, &MainWindow::openFromDialog);
    connect(m_ui->mnuFileSave, &QAction::triggered, this, &MainWindow::saveFromMenu);
    connect(m_ui->mnuFileSaveAs, &QAction::triggered, this, &MainWindow::saveAsFromDialog);
    connect(m_ui->mnuFilePrint, &QAction::triggered, this, &MainWindow::printFromDialog);
    connect(m_ui->mnuFileExit, &QAction::triggered, this, [this] {
        if (close()) // closes the other windows too, after the question about unsaved changes
            QApplication::quit();
    });
    connect(m_ui->mnuHelpIndex, &QAction::triggered, this, &MainWindow::showHelp);
    connect(m_ui->mnuHelpAbout, &QAction::triggered, this, &MainWindow::showAbout);
    startUp();
    addFluidsMenu();
    connectKeyboard();
    connectCaseMarks();
    setAcceptDrops(true);
    fillRecentMenu();
    m_session.reset(caseContents());
    refreshCaseMarks();
}

MainWindow::~MainWindow()
{
    // The secondary windows have no owner: they go with the main window.
    delete m_results;
    delete m_options;
    delete m_help;
    delete m_study;
    delete m_hairpins;
    delete m_fouling;
}

ResultsWindow* MainWindow::resultsWindow() const { return m_results; }
OptionsDialog* MainWindow::optionsDialog() const { return m_options; }
HelpViewer* MainWindow::helpViewer() const { return m_help; }
StudyWindow* MainWindow::studyWindow() const { return m_study; }
HairpinDialog* MainWindow::hairpinDialog() const { return m_hairpins; }
FoulingDialog* MainWindow::foulingDialog() const { return m_fouling; }

void MainWindow::message(QMessageBox::Icon icon, const QString& title, const QString& text, const QString& detail) const
{
    m_showMessage(icon, title, text, detail);
}

void MainWindow::startUp()
{
    setWindowTitle("Vorlan - Quessel");
    for (int i = 1; i <= 12; ++i)
        findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i))->clear();
    for (QRadioButton* option : {m_ui->Option1, m_ui->Option3, m_ui->Option5, m_ui->Option8})
        option->setChecked(true);

    setComboText(m_ui->Combo3, "");
    // Without materials the program still starts; a calculation then reports "Invalid data".
    if (!m_core.materialsError().empty())
        message(QMessageBox::Warning, msg::Title,
            QString(msg::MaterialsUnreadable) + fromStd(m_dataFolder) + "/condmat.dat");
    for (const std::string& name : m_core.materials.names())
        m_ui->Combo3->addItem(fromStd(name));
    widenListToEntries(m_ui->Combo3);
    setComboText(m_ui->Combo3, "");

    // The sixteen fluids first, then the library group by group under its heading.
    QStringList fluids;
    for (const std::string_view fluid : kFluidNames)
        fluids << fromStd(fluid);
    for (QComboBox* fluidBox : {m_ui->Combo1, m_ui->Combo2})
        fluidBox->addItems(fluids);
    for (const FluidGroup& group : fluidLibrary()) {
        for (QComboBox* fluidBox : {m_ui->Combo1, m_ui->Combo2})
            addListHeading(fluidBox, fromStd(group.heading));
        for (const std::string_view fluid : group.fluids) {
            fluids << fromStd(fluid);
            for (QComboBox* fluidBox : {m_ui->Combo1, m_ui->Combo2})
                fluidBox->addItem(fluids.back());
        }
    }
    for (QComboBox* fluidBox : {m_ui->Combo1, m_ui->Combo2}) {
        widenListToEntries(fluidBox);
        setComboText(fluidBox, "");
    }
    completeNames(m_ui->Combo1, fluids, [this] { pickFluid(true); });
    completeNames(m_ui->Combo2, fluids, [this] { pickFluid(false); });
    setComboText(m_ui->Combo4, "");
    setComboText(m_ui->Combo5, "");
}

void MainWindow::connectModeRules()
{
    // Each rule runs when its option becomes selected, by a click or from code.
    const auto onSelected = [this](QRadioButton* option, auto rule) {
        connect(option, &QRadioButton::toggled, this, [rule](bool selected) {
            if (selected)
                rule();
        });
    };
    Ui::Form1& ui = *m_ui;
    onSelected(ui.Option3, [&ui] {
        ui.Text8->clear();
        setEditable(ui.Text7);
        setEditable(ui.Text11);
        setLocked(ui.Text8);
        setLocked(ui.Text10);
        ui.Option7->setEnabled(false);
        ui.Option8->setChecked(true);
    });
    onSelected(ui.Option4, [&ui] {
        ui.Text7->clear();
        setEditable(ui.Text8);
        setLocked(ui.Text7);
        ui.Option7->setEnabled(true);
    });
    onSelected(ui.Option7, [&ui] {
        ui.Text11->clear();
        setEditable(ui.Text10);
        setLocked(ui.Text11);
    });
    onSelected(ui.Option8, [&ui] {
        ui.Text10->clear();
        setEditable(ui.Text11);
        setLocked(ui.Text10);
    });
    onSelected(ui.Option5, [&ui] {
        setEditable(ui.Text12);
        setLocked(ui.Text3);
    });
    onSelected(ui.Option6, [&ui] {
        setEditable(ui.Text3);
        setLocked(ui.Text12);
    });
}

void MainWindow::pickFluid(bool internalSide)
{
    fillPressureList(internalSide);
    setComboText(internalSide ? m_ui->Combo4 : m_ui->Combo5, "1");
}

void MainWindow::fillPressureList(bool internalSide)
{
    QComboBox* fluidBox = internalSide ? m_ui->Combo1 : m_ui->Combo2;
    QComboBox* pressureBox = internalSide ? m_ui->Combo4 : m_ui->Combo5;
    pressureBox->clear();
    const std::string fluid = fluidBox->currentText().toStdString();
    // "User defined" has no file until the Options dialog first writes one: nothing to report yet.
    std::error_code error;
    if (fluid == kUserDefinedFluid
        && std::filesystem::symlink_status(userFluidPath(), error).type() == std::filesystem::file_type::not_found)
        return;
    try {
        if (internalSide)
            m_core.fluids.dbpropint(fluid);
        else
            m_core.fluids.dbpropest(fluid);
    } catch (const CalcError& error) {
        // The detail names the file and why it cannot be read (or why the name names none).
        message(QMessageBox::Warning, msg::Title, QString(msg::FluidFileUnreadable) + fromStd(error.what()));
        return;
    }
    const FluidTable& table = internalSide ? m_core.fluids.intSide.Tab : m_core.fluids.estSide.Tab;
    for (const std::string& entry : pressureList(table))
        pressureBox->addItem(fromStd(entry));
}

void MainWindow::calculate()
{
    const CalcOutcome outcome = m_core.Command1_Click(snapshot());
    applyWriteBacks(outcome.writeBacks);
    afterCalculation(outcome); // creates the results window when there are results for it
    if (!outcome.record) {
        refused(outcome);
        return;
    }
    showSolved(*outcome.record, outcome.robust ? fromStd(severalAnswers(outcome.robust->solution)) : QString());
}

void MainWindow::refused(const CalcOutcome& outcome)
{
    QString reason = fromStd(outcome.detail);
    if (outcome.robust)
        reason += QStringLiteral("\n\n") + fromStd(robustSummary(*outcome.robust));
    Message box {QMessageBox::Warning, msg::Title, fromStd(outcome.message), reason, nullptr};
    if (outcome.robust && outcome.robust->record) {
        box.actionText = msg::ShowRobust;
        box.action = [this, answer = *outcome.robust, refusal = outcome.message] { showRobust(answer, refusal); };
    }
    m_showMessage(box);
}

void MainWindow::showRobust(const RobustAnswer& answer, const std::string& refusal)
{
    m_core.adopt(answer);
    applyWriteBacks(answer.writeBacks);
    CalcOutcome solved;
    solved.writeBacks = answer.writeBacks;
    solved.record = answer.record;
    afterCalculation(solved);
    const QString banner = fromStd(robustBanner(answer, refusal));
    showSolved(*answer.record, banner);
}

void MainWindow::showSolved(const ResultRecord& record, const QString& banner)
{
    m_lastResults = record;
    m_lastBanner = banner;
    m_results->Risultati(record);
    m_results->show();
    m_results->raise();
    m_analysis->calculated(record, m_core, m_results);
    m_results->setBanner(banner);
    if (const CaseAnalysis* analysis = m_analysis->latest()) // none when the analysis ran out of memory
        m_results->showWarnings(analysis->warnings, m_analysis->detailsAction());
}

void MainWindow::newCase()
{
    for (QLineEdit* box : {m_ui->Text1, m_ui->Text2, m_ui->Text4, m_ui->Text5, m_ui->Text6, m_ui->Text7, m_ui->Text8,
             m_ui->Text9, m_ui->Text10, m_ui->Text11, m_ui->Text12, m_ui->Text3})
        box->clear();
    for (QRadioButton* option : {m_ui->Option1, m_ui->Option3, m_ui->Option5, m_ui->Option8})
        option->setChecked(true);
    for (QComboBox* combo : {m_ui->Combo3, m_ui->Combo1, m_ui->Combo2, m_ui->Combo4, m_ui->Combo5})
        setComboText(combo, "");
    m_session.reset(caseContents());
    refreshCaseMarks();
}

OptionsDialog* MainWindow::ensureOptions() const
{
    if (!m_options) {
        // The dialog's messages are centred on the dialog.
        m_options = new OptionsDialog(
            userFluidPath(), [this] { return userFluidPicked(); }, MessageHandler([this](const Message& shown) {
                Message onDialog = shown;
                onDialog.over = m_options;
                m_showMessage(onDialog);
            }));
    }
    return m_options;
}

std::string MainWindow::userFluidPath() const { return m_core.fluids.fluidPath(std::string(kUserDefinedFluid)); }

bool MainWindow::userFluidPicked() const
{
    const QString userDefined = fromStd(kUserDefinedFluid);
    return m_ui->Combo1->currentText() == userDefined || m_ui->Combo2->currentText() == userDefined;
}

void MainWindow::showOptions()
{
    OptionsDialog* dialog = ensureOptions();
    dialog->prepare(userFluidPicked());
    for (const char* fouling : {"Text1", "Text2"})
        connect(
            dialog->box(fouling), &QLineEdit::textChanged, this, &MainWindow::refreshCaseMarks, Qt::UniqueConnection);
    dialog->show();
    dialog->raise();
}

void MainWindow::showHelp()
{
    if (!m_help) {
        m_help = new HelpViewer(m_guideFolder + "/Using Vorlan.pdf");
        m_help->move(kSecondaryWindowPosition);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MainWindow::showAbout() { message(QMessageBox::Information, msg::AboutTitle, msg::AboutText); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!askToSaveChanges()) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program: the other windows close with it.
    for (QWidget* window :
        std::initializer_list<QWidget*> {m_results, m_options, m_help, m_study, m_hairpins, m_fouling}) {
        if (window != nullptr)
            window->close();
    }
    event->accept();
}

template <typename Widget> Widget* MainWindow::control(std::string_view name) const
{
    auto* widget = findChild<Widget*>(fromStd(name));
    if (widget == nullptr)
        throw std::logic_error("the main window has no control " + std::string(name));
    return widget;
}

QLineEdit* MainWindow::lineEdit(Box box) const
{
    if (box == Box::Form2Text1 || box == Box::Form2Text2)
        return ensureOptions()->box(box == Box::Form2Text1 ? "Text1" : "Text2");
    return control<QLineEdit>(nameOf(box));
}

CaseSnapshot MainWindow::snapshot() const
{
    CaseSnapshot snapshot;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        const QString text = isComboBox(box) ? control<QComboBox>(nameOf(box))->currentText() : lineEdit(box)->text();
        snapshot.setText(box, text.toStdString());
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const auto option = static_cast<Option>(i);
        snapshot.setSelected(option, control<QRadioButton>(nameOf(option))->isChecked());
    }
    return snapshot;
}

void MainWindow::applyWriteBacks(const std::vector<WriteBack>& writeBacks)
{
    for (const WriteBack& writeBack : writeBacks)
        lineEdit(writeBack.box)->setText(fromStd(writeBack.text));
}

CaseContents MainWindow::caseContents() const { return caseFromSnapshot(snapshot()); }

bool MainWindow::openCase(const QString& path)
{
    CaseContents contents;
    try {
        contents = readCaseFile(path.toStdString());
    } catch (const CaseFileError& error) {
        message(QMessageBox::Warning, msg::Title, QString(msg::CaseNotOpened) + fromStd(error.what()));
        return false;
    }
    // The choices first: their rules empty the boxes they lock, which the saved texts then fill.
    (contents.counterCurrent ? m_ui->Option1 : m_ui->Option2)->setChecked(true);
    (contents.internalOutletGiven ? m_ui->Option3 : m_ui->Option4)->setChecked(true);
    (contents.externalOutletGiven ? m_ui->Option7 : m_ui->Option8)->setChecked(true);
    (contents.lengthGiven ? m_ui->Option5 : m_ui->Option6)->setChecked(true);

    const auto saved = [&contents](const char* control) { return fromStd(contents.texts.at(control)); };
    setComboText(m_ui->Combo3, saved("Combo3"));
    for (const bool internalSide : {true, false}) {
        QComboBox* fluidBox = internalSide ? m_ui->Combo1 : m_ui->Combo2;
        setComboText(fluidBox, saved(internalSide ? "Combo1" : "Combo2"));
        if (!fluidBox->currentText().isEmpty())
            fillPressureList(internalSide);
        setComboText(internalSide ? m_ui->Combo4 : m_ui->Combo5, saved(internalSide ? "Combo4" : "Combo5"));
    }
    for (const auto& [control, text] : contents.texts) {
        const Box box = boxNamed(control);
        if (!isComboBox(box))
            lineEdit(box)->setText(fromStd(text));
    }
    m_session.opened(path, caseContents());
    m_recent.add(path);
    fillRecentMenu();
    refreshCaseMarks();
    offerCaseUserFluid(contents, userFluidPath(), m_showMessage);
    return true;
}

bool MainWindow::saveCase(const QString& path)
{
    CaseContents contents = caseContents();
    contents.userFluid = userFluidToSave(contents, userFluidPath());
    try {
        writeCaseFile(path.toStdString(), contents);
    } catch (const CaseFileError& error) {
        message(QMessageBox::Warning, msg::Title, QString(msg::CaseNotSaved) + fromStd(error.what()));
        return false;
    }
    m_session.saved(path, contents);
    m_recent.add(path);
    fillRecentMenu();
    refreshCaseMarks();
    return true;
}

int MainWindow::printReport(QPagedPaintDevice* device) const
{
    const CaseContents current = caseContents();
    if (m_session.isCalculated(current))
        return printCaseReport(device, current, m_lastResults, m_analysis->latest(), m_lastBanner);
    return printCaseReport(device, current, std::nullopt);
}

} // namespace vorlan
