#pragma once

#include <functional>

class QComboBox;

namespace vorlan {

/**
 * Runs pick only when an entry is picked from the list, with the mouse or the arrow keys. A name
 * typed into the box stays exactly as typed when the box is left or Enter is pressed, whatever
 * its letter case, and runs nothing: the box gets no completer, and the activation that an
 * editable QComboBox sends when the typed text matches an entry is ignored.
 */
void runOnPickOnly(QComboBox* box, std::function<void()> pick);

/** Shows the start of a text that the program or a pick from the list puts into box, not its end. */
void showTextStart(QComboBox* box);

/**
 * Makes the drop-down list of box wide enough for its longest entry, with room for the scroll bar
 * when the list scrolls; the box itself keeps its width.
 */
void widenListToEntries(QComboBox* box);

} // namespace vorlan
