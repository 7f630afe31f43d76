#pragma once

#include <QPoint>

namespace vorlan {

// Screen positions of the windows [pixels]: the main window at the left; the results window and
// the guide just to its right; the Options dialog beside it too, level with its bottom, where it
// covers neither the main window's buttons nor the results' upper rows.
inline constexpr QPoint kMainWindowPosition(30, 76);
inline constexpr QPoint kSecondaryWindowPosition(541, 56);
inline constexpr QPoint kOptionsPosition(541, 323);

} // namespace vorlan
