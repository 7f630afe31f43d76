#pragma once

#include <functional>

#include <QStringList>

class QComboBox;

namespace vorlan {

/**
 * Runs pick only when an entry is picked from the list, with the mouse or the arrow keys. A name
 * typed into the box stays exactly as typed when the box is left or Enter is pressed, whatever
 * its letter case, and runs nothing: the box gets no completer, and the activation that an
 * editable QComboBox sends when the typed text matches an entry is ignored.
 */
void runOnPickOnly(QComboBox* box, std::function<void()> pick);

/** Appends a heading to the list of box: shown in bold, but neither picked nor reached with the arrow keys. */
void addListHeading(QComboBox* box, const QString& heading);

/**
 * Typing in box shows below it the names that contain the typed text, whatever its letter case;
 * picking one there puts it into the box and runs pick, as a pick from the box's own list does.
 * A name typed and not picked stays as typed. Replaces the names an earlier call gave.
 */
void completeNames(QComboBox* box, const QStringList& names, std::function<void()> pick);

/** Shows the start of a text that the program or a pick from the list puts into box, not its end. */
void showTextStart(QComboBox* box);

/**
 * Makes the drop-down list of box wide enough for its longest entry, with room for the scroll bar
 * when the list scrolls; the box itself keeps its width.
 */
void widenListToEntries(QComboBox* box);

} // namespace vorlan
