#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "properties/pipecatalogue.h"
#include "ui/casesession.h"
#include "ui/messagehandler.h"

class QDragEnterEvent;
class QDropEvent;
class QPagedPaintDevice;

namespace Ui {
class Form1;
}

namespace vorlan {

class AnalysisViews;
class CaseCalculation;
class CaseEditor;
class CaseFiles;
class DesignWindow;
class FoulingDialog;
class HairpinDialog;
class HelpViewer;
class OptionsDialog;
class ResultsWindow;
class StudyWindow;

/**
 * The main window, where the engineer describes a case: both pipes, both fluids with their
 * pressures and temperatures, which quantity of each side is given, length or capacity, and the
 * configuration. It owns the case's editing, its file commands and its calculation, wires the
 * menus and keys to them, and shows the help.
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
    DesignWindow* designWindow() const;
    /** The details and profile windows of the last solved case. */
    AnalysisViews* analysisViews() const { return m_analysis; }

    /** The case as the window holds it, fouling factors included. */
    CaseContents caseContents() const;
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectMenus();
    void addStudiesMenu();
    /** The user's own fluids after the library in both fluid lists, and the Fluids menu. */
    void addFluidsMenu();
    void connectKeyboard();

    std::unique_ptr<Ui::Form1> m_ui;
    std::string m_dataFolder;
    QString m_guideFolder;
    Exchanger m_core;
    MessageHandler m_showMessage;
    CaseSession m_session;
    std::vector<StandardPipe> m_pipes; // the catalogue of standard pipes, empty when it cannot be read
    std::string m_pipesError; // why it cannot be read
    AnalysisViews* m_analysis; // owned as a child
    QPointer<HelpViewer> m_help;
    std::unique_ptr<CaseEditor> m_editor;
    std::unique_ptr<CaseCalculation> m_calculation;
    std::unique_ptr<CaseFiles> m_files;
};

} // namespace vorlan
