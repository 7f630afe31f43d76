#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QPoint;

namespace vorlan {

/**
 * The character a numeric box accepts for a typed one, or 0 to drop it: digits and Backspace pass,
 * '.' and ',' become ',' unless the text already holds a ',', everything else is dropped. With
 * allowSign, a '-' typed at the start of a text without one passes (temperatures below zero).
 */
QChar FiltroNumerico(QChar typed, const QString& text, bool allowSign, int cursorPosition);

/**
 * The context menu of a numeric box: the line edit's own entries, whose Paste goes through the key
 * filter as the paste key does, without the control-character submenu.
 */
void showNumericMenu(QLineEdit* box, bool allowSign, const QPoint& globalPosition);

/**
 * Applies FiltroNumerico to the keys typed into a QLineEdit. The editing shortcuts (select all,
 * copy, cut, undo, redo) work as in any line edit; a pasted text goes in as if typed, so what the
 * filter drops is dropped; Enter is left to the window. With allowSign, a '-' typed over a
 * selection that starts the text replaces it when the rest of the text holds no '-'. Shows
 * showNumericMenu as the box's context menu.
 */
class NumericKeyFilter : public QObject {
public:
    NumericKeyFilter(bool allowSign, QObject* parent)
        : QObject(parent)
        , m_allowSign(allowSign)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_allowSign;
};

} // namespace vorlan
