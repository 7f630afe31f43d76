#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "ui/casesession.h"
#include "ui/messagehandler.h"
#include "ui/recentcases.h"

class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QLineEdit;
class QPagedPaintDevice;
class QRadioButton;

namespace Ui {
class Form1;
}

namespace vorlan {

class AnalysisViews;
class HelpViewer;
class OptionsDialog;
class ResultsWindow;
class StudyWindow;
class HairpinDialog;
class FoulingDialog;

/**
 * The main window, where the engineer describes a case: both pipes, both fluids with their
 * pressures and temperatures, which quantity of each side is given, length or capacity, and the
 * configuration. It owns the calculation's state and the secondary windows.
 */
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /**
     * dataFolder holds the fluid tables and condmat.dat; the user guide lies in guideFolder.
     * Messages go to showMessage, message boxes over this window when none is given.
     */
    MainWindow(std::string dataFolder, QString guideFolder, MessageHandler showMessage = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    /** The secondary windows, or null while they do not exist. */
    ResultsWindow* resultsWindow() const;
    OptionsDialog* optionsDialog() const;
    HelpViewer* helpViewer() const;
    StudyWindow* studyWindow() const;
    HairpinDialog* hairpinDialog() const;
    FoulingDialog* foulingDialog() const;
    /** The details and profile windows of the last solved case. */
    AnalysisViews* analysisViews() const { return m_analysis; }

    /** The case as the window holds it, fouling factors included. */
    CaseContents caseContents() const;
    /** The texts of the case's boxes and the selected options, as Calculate reads them. */
    CaseSnapshot snapshot() const;
    /** Restores a saved case without calculating; false (window unchanged) when the file cannot be read. */
    bool openCase(const QString& path);
    /** Saves the case; false when the file cannot be written (an existing file is kept). */
    bool saveCase(const QString& path);
    /**
     * The report of the case, with the results only when they were computed from exactly
     * the inputs the window holds now, with their analysis on a second page; otherwise the case alone, marked as not
     * calculated. Returns the height [px] its profile picture was printed at.
     */
    int printReport(QPagedPaintDevice* device) const;
    /** Asks whether to save unsaved changes; false when the user cancels (or the save fails). */
    bool askToSaveChanges();

    void calculate();
    void newCase();
    void showOptions();
    void showHelp();
    void showAbout();
    /** The Study window, on the case as it is when Run is pressed. */
    void showStudy();
    /** The last solved case laid out in hairpins of a leg length to type. */
    void showHairpins();
    /** The fouling of a running exchanger: the main window's case with the measured outlets. */
    void showFindFouling();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    /** The box of the window or of the Options dialog that shows the named box of a case. */
    QLineEdit* lineEdit(Box box) const;
    /** The named widget of the window; a missing one is a programming error (std::logic_error). */
    template <typename Widget> Widget* control(std::string_view name) const;
    void applyWriteBacks(const std::vector<WriteBack>& writeBacks);

    void startUp();
    void connectModeRules();
    void pickFluid(bool internalSide);
    void fillPressureList(bool internalSide);
    OptionsDialog* ensureOptions() const;
    bool userFluidPicked() const;
    /** The file of the fluid "User defined" in the data folder. */
    std::string userFluidPath() const;
    void openFromDialog();
    void saveFromDialog();
    void printFromDialog();
    bool saveFromMenu();
    bool saveAsFromDialog();
    void openRecent(const QString& path);
    void fillRecentMenu();
    QString dialogFolder() const;
    void message(QMessageBox::Icon icon, const QString& title, const QString& text, const QString& detail = {}) const;

    void addStudiesMenu();
    /** The user's own fluids after the library in both fluid lists, and the Fluids menu. */
    void addFluidsMenu();
    /** The message handler of a secondary window: its messages centred on the window given. */
    MessageHandler messagesOver(std::function<QWidget*()> window) const;
    void connectCaseMarks();
    void connectKeyboard();
    void calculateWithWaitCursor();
    void afterCalculation(const CalcOutcome& outcome);
    /** The message of a refused case, with its robust solution below the reason and the button to show it. */
    void refused(const CalcOutcome& outcome);
    /** Writes the robust answer into the boxes and shows it as the solved case, under a banner. */
    void showRobust(const RobustAnswer& answer, const std::string& refusal);
    /** The results window and the analysis of a solved record, under the banner (none when empty). */
    void showSolved(const ResultRecord& record, const QString& banner);
    void refreshCaseMarks();

    std::unique_ptr<Ui::Form1> m_ui;
    std::string m_dataFolder;
    QString m_guideFolder;
    Exchanger m_core;
    MessageHandler m_showMessage;
    std::optional<ResultRecord> m_lastResults;
    QString m_lastBanner; ///< the results window's banner for m_lastResults ("Robust solution ..."), empty for none
    QPointer<ResultsWindow> m_results;
    mutable QPointer<OptionsDialog> m_options; // created, hidden, when a calculation reads it
    QPointer<HelpViewer> m_help;
    QPointer<StudyWindow> m_study;
    QPointer<HairpinDialog> m_hairpins;
    QPointer<FoulingDialog> m_fouling;
    CaseSession m_session;
    RecentCases m_recent;
    bool m_waitCursor = false; // set while Calculate runs under the wait cursor
    AnalysisViews* m_analysis; // owned as a child
};

} // namespace vorlan
