#include "ui/casefiles.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/messages.h"
#include "ui/caseeditor.h"
#include "ui/casesession.h"
#include "ui/caseuserfluid.h"
#include "ui/dialogfolder.h"
#include "ui/savepath.h"
#include "ui/userfluidfolder.h"
#include "ui/windowmessages.h"
#include "ui/windowtext.h"
#include "ui_form1.h"

namespace vorlan {

namespace {

constexpr char kCaseSuffix[] = "vorlan";

} // namespace

CaseFiles::CaseFiles(QMainWindow* window, Ui::Form1& ui, CaseEditor& editor, CaseSession& session,
    MessageHandler showMessage, std::function<void(QPagedPaintDevice*)> print, const std::string& dataFolder)
    : m_window(window)
    , m_ui(ui)
    , m_editor(editor)
    , m_session(session)
    , m_showMessage(std::move(showMessage))
    , m_print(std::move(print))
    , m_tables(dataFolder, userFluidFolder())
{
    fillRecentMenu();
}

QString CaseFiles::droppedCase(const QMimeData* data)
{
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix() == kCaseSuffix)
            return url.toLocalFile();
    }
    return {};
}

void CaseFiles::newCase()
{
    m_editor.clear();
    m_tables.reset();
    m_session.reset(m_editor.contents());
    m_editor.refreshMarks();
}

bool CaseFiles::openCase(const QString& path)
{
    CaseContents contents;
    try {
        contents = readCaseFile(path.toStdString());
    } catch (const CaseFileError& error) {
        m_showMessage(QMessageBox::Warning, msg::Title, QString(msg::CaseNotOpened) + fromStd(error.what()));
        return false;
    }
    m_editor.restore(contents);
    m_session.opened(path, m_editor.contents());
    m_recent.add(path);
    fillRecentMenu();
    m_editor.refreshMarks();
    offerCaseUserFluid(contents, m_editor.userFluidPath(), m_showMessage);
    m_tables.opened(contents, m_showMessage, [this] {
        if (m_fluidAdded)
            m_fluidAdded();
        m_editor.fillEmptyPressureLists();
    });
    return true;
}

bool CaseFiles::saveCase(const QString& path)
{
    CaseContents contents = m_editor.contents();
    contents.userFluid = userFluidToSave(contents, m_editor.userFluidPath());
    contents.fluidTables = m_tables.toSave(
        contents, [this](const std::vector<std::string>& fluids) { return askToCarryTables(fluids); });
    try {
        writeCaseFile(path.toStdString(), contents);
    } catch (const CaseFileError& error) {
        m_showMessage(QMessageBox::Warning, msg::Title, QString(msg::CaseNotSaved) + fromStd(error.what()));
        return false;
    }
    m_session.saved(path, contents);
    m_recent.add(path);
    fillRecentMenu();
    m_editor.refreshMarks();
    return true;
}

bool CaseFiles::askToSaveChanges()
{
    if (!m_session.modified(m_editor.contents()))
        return true;
    QMessageBox box(QMessageBox::Warning, msg::Title, msg::UnsavedChanges,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
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

bool CaseFiles::askToCarryTables(const std::vector<std::string>& fluids)
{
    QStringList names;
    for (const std::string& fluid : fluids)
        names << "\"" + fromStd(fluid) + "\"";
    QMessageBox box(QMessageBox::Question, msg::Title, msg::CarryTables, QMessageBox::Yes | QMessageBox::No, m_window);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText("Your fluids in this case: " + names.join(", ") + ". " + msg::CarryTablesNote);
    if (auto* reason = box.findChild<QLabel*>("qt_msgbox_informativelabel"))
        reason->setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString CaseFiles::dialogFolder() const
{
    const QString last
        = m_session.path().isEmpty() && !m_recent.paths().isEmpty() ? m_recent.paths().front() : m_session.path();
    return existingFolder(last.isEmpty() ? QString() : QFileInfo(last).absolutePath());
}

void CaseFiles::openFromDialog()
{
    if (!askToSaveChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(m_window, "Open", dialogFolder(), msg::CaseFilter);
    if (!path.isEmpty())
        openCase(path);
}

void CaseFiles::openRecent(const QString& path)
{
    if (!askToSaveChanges())
        return;
    if (!openCase(path) && !QFileInfo::exists(path)) {
        m_recent.remove(path); // gone: no longer offered
        fillRecentMenu();
    }
}

void CaseFiles::fillRecentMenu()
{
    QMenu* menu = m_ui.mnuFileRecent;
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

bool CaseFiles::saveFromMenu() { return m_session.path().isEmpty() ? saveAsFromDialog() : saveCase(m_session.path()); }

bool CaseFiles::saveAsFromDialog()
{
    QFileDialog dialog(m_window, "Save As", dialogFolder(), msg::CaseFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kCaseSuffix);
    if (!m_session.path().isEmpty())
        dialog.selectFile(m_session.path());
    const QString path = chooseSavePath(dialog);
    return !path.isEmpty() && saveCase(path);
}

void CaseFiles::printFromDialog()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_print(&printer);
}

} // namespace vorlan
