// What the main window adds around a calculation: the wait cursor, the record of which case the
// results belong to, the given and calculated marks of the results window, the stale marks of
// the locked boxes and the window title with the case's file and its unsaved-changes mark.
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/boxlook.h"
#include "ui/mainwindow.h"
#include "ui/resultswindow.h"
#include "ui/windowmessages.h"
#include "ui/windowpositions.h"
#include "ui_form1.h"

namespace vorlan {

void MainWindow::calculateWithWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_waitCursor = true;
    calculate();
    if (m_waitCursor) { // a calculation that ended without reaching afterCalculation
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
}

void MainWindow::afterCalculation(const CalcOutcome& outcome)
{
    if (m_waitCursor) { // before any message box, which wants the normal cursor
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
    if (!outcome.record) {
        m_session.calculated(std::nullopt);
        refreshCaseMarks();
        return;
    }
    const CaseContents solved = caseContents(); // with the values written back
    m_session.calculated(solved);
    if (!m_results) {
        m_results = new ResultsWindow();
        m_results->move(kSecondaryWindowPosition);
    }
    m_results->markCalculated(solved);
    refreshCaseMarks();
}

void MainWindow::connectCaseMarks()
{
    for (int i = 1; i <= 12; ++i)
        connect(findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i)), &QLineEdit::textChanged, this,
            &MainWindow::refreshCaseMarks);
    for (QComboBox* combo : {m_ui->Combo1, m_ui->Combo2, m_ui->Combo3, m_ui->Combo4, m_ui->Combo5})
        connect(combo, &QComboBox::editTextChanged, this, &MainWindow::refreshCaseMarks);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, this, &MainWindow::refreshCaseMarks);
}

void MainWindow::refreshCaseMarks()
{
    const CaseContents current = caseContents();
    const bool calculated = m_session.isCalculated(current);
    for (QLineEdit* box : {m_ui->Text7, m_ui->Text8, m_ui->Text10, m_ui->Text11, m_ui->Text12, m_ui->Text3})
        setStale(box, box->isReadOnly() && !box->text().isEmpty() && !calculated);

    const bool modified = m_session.modified(current);
    QString name = m_session.path().isEmpty() ? QString() : QFileInfo(m_session.path()).fileName();
    if (name.isEmpty() && modified)
        name = msg::UntitledCase;
    QString title = "Vorlan - Quessel";
    if (!name.isEmpty())
        title = name + (modified ? "*" : "") + " - " + title;
    setWindowTitle(title);
}

} // namespace vorlan
