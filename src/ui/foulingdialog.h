#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "calc/exchanger.h"
#include "studies/findfouling.h"
#include "ui/messagehandler.h"

class QLabel;
class QLineEdit;

namespace vorlan {

/**
 * The "Find fouling" dialog: the measured outlet temperatures of a running exchanger, how to split
 * the fouling between the sides and how far the two sides' measured duties may differ; Find
 * searches the total fouling that makes the main window's case (length and both flows given)
 * deliver the measured duty, on a core of its own. The main window's boxes are not changed.
 */
class FoulingDialog : public QDialog {
    Q_OBJECT

public:
    FoulingDialog(const std::string& dataFolder, std::function<CaseContents()> currentCase, MessageHandler showMessage,
        QWidget* parent = nullptr);

    /** Fills the measured outlets from the case's outlet boxes, for a start when the dialog first opens. */
    void takeOutletsFromCase();
    /** Reads the boxes and searches; a box that is not a number is shown as a message. */
    void find();
    /** The answer of the last search, if one ran. */
    const std::optional<FoulingResult>& lastResult() const { return m_result; }

private:
    void showAnswer(const FoulingResult& result);

    Exchanger m_exchanger;
    std::function<CaseContents()> m_currentCase;
    MessageHandler m_showMessage;
    std::optional<FoulingResult> m_result;
    QLineEdit* m_internalOutlet;
    QLineEdit* m_externalOutlet;
    QLineEdit* m_share;
    QLineEdit* m_tolerance;
    QLabel* m_answer;
};

} // namespace vorlan
