#include "ui/constantfluidboxes.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/calcerror.h"
#include "platform/messages.h"
#include "platform/numbertext.h"
#include "properties/userfluid.h"

namespace vorlan {

std::optional<std::vector<std::vector<std::string>>> constantFluidRecords(const std::array<const QLineEdit*, 4>& boxes,
    const std::array<const QLabel*, 4>& captions, const MessageHandler& showMessage)
{
    UserFluid fluid;
    std::size_t converting = 0;
    try {
        fluid.density = textToSingle(boxes[0]->text().toStdString());
        converting = 1;
        fluid.specificHeat = textToSingle(boxes[1]->text().toStdString());
        converting = 2;
        fluid.conductivity = textToSingle(boxes[2]->text().toStdString());
        converting = 3;
        fluid.viscosity = textToDouble(boxes[3]->text().toStdString());
    } catch (const CalcError&) {
        showMessage(QMessageBox::Warning, msg::Title, QString(msg::NotANumber) + captions[converting]->text());
        return std::nullopt;
    }
    try {
        return userFluidRecords(fluid);
    } catch (const CalcError& error) {
        showMessage(QMessageBox::Warning, msg::Title, QString::fromStdString(error.message()));
        return std::nullopt;
    }
}

} // namespace vorlan
