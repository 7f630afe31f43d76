#include "ui/userfluidsave.h"

#include "platform/calcerror.h"
#include "platform/messages.h"
#include "properties/fluidimport.h"

namespace vorlan {

bool saveUserFluid(const std::string& dataFolder, const std::string& userFolder, const std::string& name, bool replace,
    const std::vector<std::vector<std::string>>& records, const MessageHandler& showMessage)
{
    const std::string problem = userFluidNameProblem(dataFolder, userFolder, name, replace);
    if (!problem.empty()) {
        showMessage(QMessageBox::Warning, msg::Title, QString(msg::FluidNameRefused) + QString::fromStdString(name),
            QString::fromStdString(problem));
        return false;
    }
    try {
        const std::string path = writeUserFluidTable(userFolder, name, records);
        showMessage(QMessageBox::Information, msg::Title, QString(msg::FluidSaved) + QString::fromStdString(path));
    } catch (const CalcError& error) {
        showMessage(QMessageBox::Warning, msg::Title, QString(msg::FluidNotSaved) + QString::fromStdString(name),
            QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

} // namespace vorlan
