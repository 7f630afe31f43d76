#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QShortcut>

#include "platform/calcerror.h"
#include "platform/messages.h"
#include "ui/analysisviews.h"
#include "ui/casecalculation.h"
#include "ui/caseeditor.h"
#include "ui/casefiles.h"
#include "ui/designwindow.h"
#include "ui/formfont.h"
#include "ui/foulingdialog.h"
#include "ui/hairpindialog.h"
#include "ui/helpviewer.h"
#include "ui/optionsdialog.h"
#include "ui/pipepicker.h"
#include "ui/resultswindow.h"
#include "ui/studywindow.h"
#include "ui/userfluidfolder.h"
#include "ui/windowpositions.h"
#include "ui_form1.h"

namespace vorlan {

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
    applyFormFont(this); // before the lists are filled: their width follows the font
    adjustSize();
    setFixedSize(size());
    move(kMainWindowPosition);

    m_editor = std::make_unique<CaseEditor>(this, *m_ui, m_core, m_session, m_dataFolder, m_showMessage);
    try {
        m_pipes = readPipeCatalogue(m_dataFolder);
    } catch (const CalcError& error) {
        m_pipesError = error.what(); // told when a "Standard pipe..." button is pressed
    }
    offerStandardPipes(
        m_ui->internalStandardPipe, "Internal pipe", m_ui->Text1, m_ui->Text2, m_pipes, m_pipesError, m_showMessage);
    offerStandardPipes(
        m_ui->externalStandardPipe, "External pipe", m_ui->Text4, m_ui->Text5, m_pipes, m_pipesError, m_showMessage);
    m_calculation = std::make_unique<CaseCalculation>(
        m_core, *m_editor, m_session, m_analysis, m_pipes, m_dataFolder, m_showMessage);
    m_files = std::make_unique<CaseFiles>(
        this, *m_ui, *m_editor, m_session, m_showMessage, [this](QPagedPaintDevice* device) { printReport(device); },
        m_dataFolder);
    addFluidsMenu(); // after the lists are filled
    connectMenus();
    connectKeyboard();
    setAcceptDrops(true);
    m_session.reset(caseContents());
    m_editor->refreshMarks();
}

MainWindow::~MainWindow()
{
    delete m_help; // it has no owner: it goes with the main window, as the windows of the helpers do with them
}

ResultsWindow* MainWindow::resultsWindow() const { return m_calculation->resultsWindow(); }
OptionsDialog* MainWindow::optionsDialog() const { return m_editor->optionsDialog(); }
HelpViewer* MainWindow::helpViewer() const { return m_help; }
StudyWindow* MainWindow::studyWindow() const { return m_calculation->studyWindow(); }
HairpinDialog* MainWindow::hairpinDialog() const { return m_calculation->hairpinDialog(); }
FoulingDialog* MainWindow::foulingDialog() const { return m_calculation->foulingDialog(); }
DesignWindow* MainWindow::designWindow() const { return m_calculation->designWindow(); }

CaseContents MainWindow::caseContents() const { return m_editor->contents(); }
bool MainWindow::openCase(const QString& path) { return m_files->openCase(path); }
bool MainWindow::saveCase(const QString& path) { return m_files->saveCase(path); }
int MainWindow::printReport(QPagedPaintDevice* device) const { return m_calculation->printReport(device); }
bool MainWindow::askToSaveChanges() { return m_files->askToSaveChanges(); }
void MainWindow::calculate() { m_calculation->calculate(); }
void MainWindow::newCase() { m_files->newCase(); }
void MainWindow::showOptions() { m_editor->showOptions(); }
void MainWindow::showStudy() { m_calculation->showStudy(); }

void MainWindow::connectMenus()
{
    CaseFiles* files = m_files.get();
    CaseCalculation* calculation = m_calculation.get();
    connect(m_ui->Command1, &QPushButton::clicked, calculation, &CaseCalculation::calculateWithWaitCursor);
    connect(m_ui->Command2, &QPushButton::clicked, this, &MainWindow::showOptions);
    connect(m_ui->mnuNewFile, &QAction::triggered, files, [files] {
        if (files->askToSaveChanges())
            files->newCase();
    });
    connect(m_ui->mnuFileOpen, &QAction::triggered, files, &CaseFiles::openFromDialog);
    connect(m_ui->mnuFileSave, &QAction::triggered, files, &CaseFiles::saveFromMenu);
    connect(m_ui->mnuFileSaveAs, &QAction::triggered, files, &CaseFiles::saveAsFromDialog);
    connect(m_ui->mnuFilePrint, &QAction::triggered, files, &CaseFiles::printFromDialog);
    connect(m_ui->mnuFileExit, &QAction::triggered, this, [this] {
        if (close()) // closes the other windows too, after the question about unsaved changes
            QApplication::quit();
    });
    connect(m_ui->mnuHelpIndex, &QAction::triggered, this, &MainWindow::showHelp);
    connect(m_ui->mnuHelpAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::addStudiesMenu()
{
    QMenu* menu = new QMenu("Studies", menuBar());
    menu->setObjectName("mnuStudies");
    const auto entry = [this, menu](const char* text, const char* name, void (CaseCalculation::*show)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, show] { (m_calculation.get()->*show)(); });
    };
    entry("Study...", "mnuStudy", &CaseCalculation::showStudy);
    entry("Hairpin layout...", "mnuHairpins", &CaseCalculation::showHairpins);
    entry("Find fouling...", "mnuFindFouling", &CaseCalculation::showFindFouling);
    entry("Design...", "mnuDesign", &CaseCalculation::showDesign);
    menuBar()->insertMenu(menuBar()->actions().back(), menu); // after Analysis, before Help
}

void MainWindow::connectKeyboard()
{
    m_ui->mnuNewFile->setShortcut(QKeySequence::New);
    m_ui->mnuFileOpen->setShortcut(QKeySequence::Open);
    m_ui->mnuFileSave->setShortcut(QKeySequence::Save);
    m_ui->mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_ui->mnuFilePrint->setShortcut(QKeySequence::Print);
    m_ui->mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_ui->mnuHelpIndex->setShortcut(QKeySequence::HelpContents);
    CaseCalculation* calculation = m_calculation.get();
    connect(
        new QShortcut(Qt::Key_F5, this), &QShortcut::activated, calculation, &CaseCalculation::calculateWithWaitCursor);
    for (int i = 1; i <= 12; ++i) // Enter in a number box calculates too
        connect(findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i)), &QLineEdit::returnPressed, calculation,
            &CaseCalculation::calculateWithWaitCursor);

    // Down each pipe's left column, then its right column and its standard-pipe button; then size,
    // configuration, buttons.
    const QList<QWidget*> order = {m_ui->Text1, m_ui->Text2, m_ui->Combo3, m_ui->Combo1, m_ui->Combo4, m_ui->Text6,
        m_ui->Option3, m_ui->Text7, m_ui->Option4, m_ui->Text8, m_ui->internalStandardPipe, m_ui->Text4, m_ui->Text5,
        m_ui->Combo2, m_ui->Combo5, m_ui->Text9, m_ui->Option7, m_ui->Text10, m_ui->Option8, m_ui->Text11,
        m_ui->externalStandardPipe, m_ui->Option5, m_ui->Text12, m_ui->Option6, m_ui->Text3, m_ui->Option1,
        m_ui->Option2, m_ui->Command1, m_ui->Command2};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
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

void MainWindow::showAbout() { m_showMessage(QMessageBox::Information, msg::AboutTitle, msg::AboutText); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_files->askToSaveChanges()) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program: the other windows close with it.
    for (QWidget* window : std::initializer_list<QWidget*> {resultsWindow(), optionsDialog(), helpViewer(),
             studyWindow(), hairpinDialog(), foulingDialog(), designWindow()}) {
        if (window != nullptr)
            window->close();
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!CaseFiles::droppedCase(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = CaseFiles::droppedCase(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (m_files->askToSaveChanges())
        m_files->openCase(path);
}

} // namespace vorlan
