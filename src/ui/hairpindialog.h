#pragma once

#include <QDialog>
#include <functional>

#include "analysis/caseanalysis.h"
#include "ui/messagehandler.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace vorlan {

/**
 * The "Hairpin layout" dialog: the last solved case laid out in hairpins of a leg length the
 * engineer types (6 m at first), with the installed surface, its excess, the fouling it allows
 * and the return bends' pressure drops of both sides.
 */
class HairpinDialog : public QDialog {
    Q_OBJECT

public:
    /** latest gives the analysis of the last solved case, or null before the first. */
    HairpinDialog(std::function<const CaseAnalysis*()> latest, MessageHandler showMessage, QWidget* parent = nullptr);

    /** Lays the last solved case out in legs of the typed length. */
    void layOut();

private:
    std::function<const CaseAnalysis*()> m_latest;
    MessageHandler m_showMessage;
    QLineEdit* m_leg;
    QTableWidget* m_table;
    QLabel* m_note;
};

} // namespace vorlan
