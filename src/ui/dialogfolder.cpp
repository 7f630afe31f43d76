#include "ui/dialogfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorlan {

QString existingFolder(const QString& preferred)
{
    for (const QString& folder : {preferred, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

} // namespace vorlan
