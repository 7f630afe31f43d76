#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "platform/formview.h"
#include "ui/messagehandler.h"

class QComboBox;
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

/**
 * The main window, where the engineer describes a case: both pipes, both fluids with their
 * pressures and temperatures, which quantity of each side is given, length or capacity, and the
 * configuration. It owns the calculation's state and the secondary windows.
 */
class MainWindow : public QMainWindow, private FormView {
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
    /** The details and profile windows of the last solved case. */
    AnalysisViews* analysisViews() const { return m_analysis; }

    /** The case as the window holds it, fouling factors included. */
    CaseContents caseContents() const;
    /** Restores a saved case without calculating; false (window unchanged) when the file cannot be read. */
    bool openCase(const QString& path);
    /** Saves the case; false when the file cannot be written (an existing file is kept). */
    bool saveCase(const QString& path);
    /** The report of the case, the last results shown and their analysis: at most two pages. */
    void printReport(QPagedPaintDevice* device) const;

    void calculate();
    void newCase();
    void showOptions();
    void showHelp();
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    bool isSelected(std::string_view option) const override;

    void startUp();
    void connectModeRules();
    void pickFluid(bool internalSide);
    void fillPressureList(bool internalSide);
    OptionsDialog* ensureOptions() const;
    bool userFluidPicked() const;
    void openFromDialog();
    void saveFromDialog();
    void printFromDialog();
    void message(QMessageBox::Icon icon, const QString& title, const QString& text) const;

    std::unique_ptr<Ui::Form1> m_ui;
    std::string m_dataFolder;
    QString m_guideFolder;
    Exchanger m_core;
    MessageHandler m_showMessage;
    std::optional<ResultRecord> m_lastResults;
    QPointer<ResultsWindow> m_results;
    mutable QPointer<OptionsDialog> m_options; // created, hidden, when a calculation reads it
    QPointer<HelpViewer> m_help;
    AnalysisViews* m_analysis; // owned as a child
};

} // namespace vorlan
