#pragma once

#include <QString>

namespace vorlan {

/**
 * The folder a file dialog opens in: the preferred one when it exists, else the user's documents
 * folder when it exists, else the home folder. Given a folder that does not exist, a dialog would
 * offer its last name as the name of the file.
 */
QString existingFolder(const QString& preferred);

} // namespace vorlan
