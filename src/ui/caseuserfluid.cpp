#include "ui/caseuserfluid.h"

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/messages.h"
#include "platform/numbertext.h"
#include "properties/fluidlist.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

/** The four properties with their units, as the Options dialog shows the numbers. */
QString described(const UserFluid& fluid)
{
    return QString("density %1 kg/m³, specific heat %2 kJ/(kg K), conductivity %3 W/(m K), viscosity %4 Pa s")
        .arg(fromStd(numberToText(fluid.density)), fromStd(numberToText(fluid.specificHeat)),
            fromStd(numberToText(fluid.conductivity)), fromStd(numberToText(fluid.viscosity)));
}

} // namespace

std::optional<UserFluid> userFluidToSave(const CaseContents& contents, const std::string& path)
{
    if (contents.text(Quantity::InternalFluid) != kUserDefinedFluid
        && contents.text(Quantity::ExternalFluid) != kUserDefinedFluid)
        return std::nullopt;
    try {
        return readUserFluid(path);
    } catch (const CalcError&) {
        return std::nullopt; // no definition to keep: the case is saved as before
    }
}

void offerCaseUserFluid(const CaseContents& contents, const std::string& path, const MessageHandler& show)
{
    if (!contents.userFluid || userFluidFileHolds(path, *contents.userFluid))
        return;
    QString inFolder;
    try {
        const std::optional<UserFluid> current = readUserFluid(path);
        inFolder = current ? described(*current) : QString(msg::NoUserFluidYet);
    } catch (const CalcError& error) {
        inFolder = fromStd(error.what());
    }
    const UserFluid fluid = *contents.userFluid;
    show(Message {QMessageBox::Warning, msg::Title, QString(msg::UserFluidDiffers) + fromStd(path),
        "In the case: " + described(fluid) + "\nIn the data folder: " + inFolder, nullptr, msg::WriteUserFluid,
        [fluid, path, show] {
            try {
                writeDataFile(path, userFluidRecords(fluid));
            } catch (const CalcError&) {
                show(QMessageBox::Warning, msg::Title, QString(msg::UserFluidNotWritten) + fromStd(path));
            }
        }});
}

} // namespace vorlan
