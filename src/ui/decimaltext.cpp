#include "ui/decimaltext.h"

#include <QLineEdit>

#include "platform/messages.h"
#include "platform/numbertext.h"
#include "ui/windowmessages.h"

namespace vorlan {

bool readDecimal(const QString& text, double& value)
{
    QString withComma = text.trimmed();
    withComma.replace('.', ',');
    return !withComma.isEmpty() && parseNumber(withComma.toStdString(), ',', value);
}

bool readNumberBox(const QLineEdit* box, const QString& name, const MessageHandler& showMessage, double& value)
{
    if (readDecimal(box->text(), value))
        return true;
    showMessage(QMessageBox::Warning, msg::Title, name + msg::IsNotANumber + "\"" + box->text() + "\"");
    return false;
}

} // namespace vorlan
