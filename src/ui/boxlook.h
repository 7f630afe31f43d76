#pragma once

class QLineEdit;

namespace vorlan {

/**
 * A text box that the user fills: typing allowed, white background. A locked box refuses typing
 * but still shows and selects its text, on the button-face background; it is not disabled. Tab
 * passes a locked box by.
 */
void setEditable(QLineEdit* box);
void setLocked(QLineEdit* box);
/** The button-face background without changing whether the box accepts typing. */
void setButtonFace(QLineEdit* box);
/** A locked box whose value the case no longer matches: italic dark-red text and a tip that says so. */
void setStale(QLineEdit* box, bool stale);
/** True when setStale marked the box. */
bool isStale(const QLineEdit* box);

} // namespace vorlan
