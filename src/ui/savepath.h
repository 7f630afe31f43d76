#pragma once

#include <QString>

class QFileDialog;

namespace vorlan {

/**
 * Runs a save dialog until the user chooses a name that is new or that they agree to replace;
 * empty when the dialog is cancelled. A name that does not end in the dialog's default suffix
 * gets it. The question before a file is replaced is asked here, in plain text, in place of the
 * dialog's own, which would show a name holding markup ("<h1>pump") as formatted text.
 */
QString chooseSavePath(QFileDialog& dialog);

} // namespace vorlan
