#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/casefluidtables.h"
#include "ui/messagehandler.h"
#include "ui/recentcases.h"

class QMainWindow;
class QMimeData;
class QPagedPaintDevice;

namespace Ui {
class Form1;
}

namespace vorlan {

class CaseEditor;
class CaseSession;

/**
 * The File menu's commands on the case of editor: New, Open, Save, Save As, Print and the recent
 * cases, the question before unsaved changes are lost, and case files dropped on the window.
 */
class CaseFiles : public QObject {
    Q_OBJECT

public:
    /**
     * Dialogs open over window; print writes the case's report. Fluids are found in dataFolder and
     * the user's fluid folder.
     */
    CaseFiles(QMainWindow* window, Ui::Form1& ui, CaseEditor& editor, CaseSession& session, MessageHandler showMessage,
        std::function<void(QPagedPaintDevice*)> print, const std::string& dataFolder);

    /** What runs after a table a case carries has been added to the user's fluids (the lists list it). */
    void onFluidAdded(std::function<void()> added) { m_fluidAdded = std::move(added); }

    /** Restores a saved case without calculating; false (window unchanged) when the file cannot be read. */
    bool openCase(const QString& path);
    /** Saves the case; false when the file cannot be written (an existing file is kept). */
    bool saveCase(const QString& path);
    /** Asks whether to save unsaved changes; false when the user cancels (or the save fails). */
    bool askToSaveChanges();

    void newCase();
    void openFromDialog();
    bool saveFromMenu();
    bool saveAsFromDialog();
    void printFromDialog();
    /** The first local case file among the dropped or dragged data; empty for none. */
    static QString droppedCase(const QMimeData* data);

private:
    void openRecent(const QString& path);
    void fillRecentMenu();
    QString dialogFolder() const;
    /** Asks whether a save includes the tables of the user's fluids named. */
    bool askToCarryTables(const std::vector<std::string>& fluids);

    QMainWindow* m_window;
    Ui::Form1& m_ui;
    CaseEditor& m_editor;
    CaseSession& m_session;
    MessageHandler m_showMessage;
    std::function<void(QPagedPaintDevice*)> m_print;
    RecentCases m_recent;
    CaseFluidTables m_tables;
    std::function<void()> m_fluidAdded;
};

} // namespace vorlan
