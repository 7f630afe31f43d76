#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "ui/messagehandler.h"

class QLineEdit;
class QMainWindow;

namespace Ui {
class Form1;
}

namespace vorlan {

class CaseSession;
class OptionsDialog;

/**
 * The boxes of a case in the main window and the Options dialog: the lists of fluids, materials
 * and pressures, the rules between the option buttons, reading and restoring the case, and its
 * marks (the stale values of the locked boxes, the unsaved mark of the window's title). A keystroke
 * updates the marks from the edited box alone.
 */
class CaseEditor : public QObject {
    Q_OBJECT

public:
    /** Fills the lists from core's materials and the data folder's fluids and connects the boxes; messages go to
     * showMessage. */
    CaseEditor(QMainWindow* window, Ui::Form1& ui, const Exchanger& core, const CaseSession& session,
        const std::string& dataFolder, MessageHandler showMessage);
    ~CaseEditor() override;

    /** The case as the windows hold it, fouling factors included, as Calculate reads it. */
    CaseContents contents();
    /** Empties every box and selects the start-up options. */
    void clear();
    /** Shows a saved case: the options first, then the lists and the texts. */
    void restore(const CaseContents& contents);
    void applyWriteBacks(const std::vector<WriteBack>& writeBacks);

    /** The file of the fluid "User defined" in the data folder. */
    std::string userFluidPath() const;
    /** The Options dialog, or null while it does not exist. */
    OptionsDialog* optionsDialog() const;
    void showOptions();

    /** Fills the side's pressure list from the picked fluid's table and selects 1 bar. */
    void pickFluid(bool internalSide);
    /** Fills the pressure lists left empty (a fluid's table has been added), keeping the pressures typed. */
    void fillEmptyPressureLists();

    /** Reads the whole case again and marks it: after a choice, a calculation, New, Open or Save. */
    void refreshMarks();

private:
    static bool isFouling(Quantity quantity);
    /** The text box of the window or of the Options dialog that the quantity is typed into. */
    QLineEdit* lineEdit(Quantity quantity);
    /** The named widget of the window; a missing one is a programming error (std::logic_error). */
    template <typename Widget> Widget* control(std::string_view name) const;
    /** The Options dialog, made anew (hidden) when it does not exist: the case reads its fouling factors. */
    OptionsDialog* ensureOptions();
    bool userFluidPicked() const;

    void fillLists(const Exchanger& core, const std::string& dataFolder);
    void connectModeRules();
    /** restoring: a fluid no folder has is left to the open's message. */
    void fillPressureList(bool internalSide, bool restoring = false);
    /** Whether neither the data folder nor the user's folder has the fluid's table. */
    bool isMissing(const std::string& fluid) const;

    void connectMarks();
    /**
     * The marks after an edit of one box (edited, null for a list or a fouling factor): its stale
     * mark and the title; every stale mark only when the edit makes the case the calculated one or
     * another one.
     */
    void boxEdited(Quantity quantity, QLineEdit* edited, const QString& text);
    /** The boxes that a choice locks to show a calculated value. */
    std::array<QLineEdit*, 6> lockableBoxes() const;
    void markStale(QLineEdit* box) const;
    void markTitle();

    QMainWindow* m_window;
    Ui::Form1& m_ui;
    FluidTables m_tables; // reads a picked fluid's table for its pressure list
    const CaseSession& m_session;
    MessageHandler m_showMessage;
    QPointer<OptionsDialog> m_options; // created, hidden, when the case is first read
    CaseContents m_marked; // the case as the marks show it, kept up to date box by box
    bool m_calculated = false; // m_marked is the case of the last calculation
};

} // namespace vorlan
