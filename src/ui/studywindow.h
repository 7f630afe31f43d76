#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "calc/casecontents.h"
#include "studies/studytable.h"
#include "ui/messagehandler.h"
#include "ui/studyrunner.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vorlan {

class StudyPlot;

/**
 * The "Study" window: one box of the main window's case swept over a range, each point calculated
 * as by Calculate, in a table (with the warnings of each solved case and the message of each failed
 * one) and a plot of one or two of its columns; the table can be exported as CSV. The case is read
 * when Run is pressed and never written back.
 */
class StudyWindow : public QWidget {
    Q_OBJECT

public:
    /**
     * dataFolder holds the fluid tables and condmat.dat; currentCase gives the main window's case;
     * messages go to showMessage.
     */
    StudyWindow(const std::string& dataFolder, std::function<CaseContents()> currentCase, MessageHandler showMessage,
        QWidget* parent = nullptr);

    /** Checks the range on the current case and starts it; a refused range is shown as a message. */
    void run();
    /** Stops the running study after its current point; its rows stay. */
    void cancel();
    /** Writes the table as CSV, the file replaced only once complete; false, with a message, when it cannot be. */
    bool exportCsv(const QString& path);

    bool isRunning() const { return m_runner.isRunning(); }
    /** The rows of the last study, first to last. */
    const std::vector<StudyRow>& rows() const { return m_runner.rows(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showRows(int first);
    void replot();
    void showRunning(bool running);
    void exportFromDialog();

    std::function<CaseContents()> m_currentCase;
    MessageHandler m_showMessage;
    StudyRunner m_runner;
    QString m_exportPath;
    QElapsedTimer m_replotted; // since the plot was last redrawn
    QComboBox* m_box;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QSpinBox* m_points;
    QCheckBox* m_logarithmic;
    QPushButton* m_run;
    QPushButton* m_cancel;
    QPushButton* m_export;
    QProgressBar* m_progress;
    QComboBox* m_plotFirst;
    QComboBox* m_plotSecond;
    QTableWidget* m_table;
    StudyPlot* m_plot;
};

} // namespace vorlan
