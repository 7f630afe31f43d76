#pragma once

class QLineEdit;

namespace vorlan {

/**
 * A text box that the user fills: typing allowed, white background. A locked box refuses typing
 * but still shows and selects its text, on the button-face background; it is not disabled.
 */
void setEditable(QLineEdit* box);
void setLocked(QLineEdit* box);
/** The button-face background without changing whether the box accepts typing. */
void setButtonFace(QLineEdit* box);

} // namespace vorlan
