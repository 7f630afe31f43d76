#include "ui/userfluidfolder.h"

#include <QStandardPaths>
#include <QTemporaryDir>

namespace vorlan {

std::string userFluidFolder()
{
    if (QStandardPaths::isTestModeEnabled()) {
        static const QTemporaryDir scratch; // removed when the program ends
        return scratch.path().toStdString() + "/fluids";
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/vorlan/fluids";
}

} // namespace vorlan
