#pragma once

#include <QObject>
#include <QString>

namespace vorlan {

/**
 * The character a numeric box accepts for a typed one, or 0 to drop it: digits and Backspace pass,
 * '.' and ',' become ',' unless the text already holds a ',', everything else is dropped. With
 * allowSign, a '-' typed at the start of a text without one passes (temperatures below zero).
 */
QChar FiltroNumerico(QChar typed, const QString& text, bool allowSign, int cursorPosition);

/** Applies FiltroNumerico to the keys typed into a QLineEdit; the clipboard and undo shortcuts do nothing. */
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
