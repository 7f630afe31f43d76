// The main window's File menu beyond New: open, save, save as, print and the recent cases, the
// question before unsaved changes are lost, case files dropped on the window, and the keys of
// the commands.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

#include "platform/messages.h"
#include "ui/dialogfolder.h"
#include "ui/mainwindow.h"
#include "ui/savepath.h"
#include "ui/windowmessages.h"
#include "ui_form1.h"

namespace vorlan {

namespace {

constexpr char kCaseSuffix[] = "vorlan";

/** The first local case file among the dropped or dragged data; empty for none. */
QString droppedCase(const QMimeData* data)
{
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix() == kCaseSuffix)
            return url.toLocalFile();
    }
    return {};
}

} // namespace

bool MainWindow::askToSaveChanges()
{
    if (!m_session.modified(caseContents()))
        return true;
    QMessageBox box(QMessageBox::Warning, msg::Title, msg::UnsavedChanges,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveFromMenu();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString MainWindow::dialogFolder() const
{
    const QString last
        = m_session.path().isEmpty() && !m_recent.paths().isEmpty() ? m_recent.paths().front() : m_session.path();
    return existingFolder(last.isEmpty() ? QString() : QFileInfo(last).absolutePath());
}

void MainWindow::openFromDialog()
{
    if (!askToSaveChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(this, "Open", dialogFolder(), msg::CaseFilter);
    if (!path.isEmpty())
        openCase(path);
}

void MainWindow::openRecent(const QString& path)
{
    if (!askToSaveChanges())
        return;
    if (!openCase(path) && !QFileInfo::exists(path)) {
        m_recent.remove(path); // gone: no longer offered
        fillRecentMenu();
    }
}

void MainWindow::fillRecentMenu()
{
    QMenu* menu = m_ui->mnuFileRecent;
    menu->clear();
    const QStringList paths = m_recent.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QAction* action = menu->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    menu->setEnabled(!paths.isEmpty());
}

bool MainWindow::saveFromMenu() { return m_session.path().isEmpty() ? saveAsFromDialog() : saveCase(m_session.path()); }

bool MainWindow::saveAsFromDialog()
{
    QFileDialog dialog(this, "Save As", dialogFolder(), msg::CaseFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kCaseSuffix);
    if (!m_session.path().isEmpty())
        dialog.selectFile(m_session.path());
    const QString path = chooseSavePath(dialog);
    return !path.isEmpty() && saveCase(path);
}

void MainWindow::printFromDialog()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printReport(&printer);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedCase(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedCase(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (askToSaveChanges())
        openCase(path);
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
    connect(new QShortcut(Qt::Key_F5, this), &QShortcut::activated, this, &MainWindow::calculateWithWaitCursor);
    for (int i = 1; i <= 12; ++i) // Enter in a number box calculates too
        connect(findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i)), &QLineEdit::returnPressed, this,
            &MainWindow::calculateWithWaitCursor);

    // Down each pipe's left column, then its right column; then size, configuration, buttons.
    const QList<QWidget*> order = {m_ui->Text1, m_ui->Text2, m_ui->Combo3, m_ui->Combo1, m_ui->Combo4, m_ui->Text6,
        m_ui->Option3, m_ui->Text7, m_ui->Option4, m_ui->Text8, m_ui->Text4, m_ui->Text5, m_ui->Combo2, m_ui->Combo5,
        m_ui->Text9, m_ui->Option7, m_ui->Text10, m_ui->Option8, m_ui->Text11, m_ui->Option5, m_ui->Text12,
        m_ui->Option6, m_ui->Text3, m_ui->Option1, m_ui->Option2, m_ui->Command1, m_ui->Command2};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace vorlan
