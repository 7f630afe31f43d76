#pragma once

class QWidget;

namespace vorlan {

/**
 * Gives a window the font of all forms: Liberation Sans at 10 pixels (7.5 pt at 96 dpi), narrow
 * enough for every caption of the fixed layouts.
 */
void applyFormFont(QWidget* window);

} // namespace vorlan
