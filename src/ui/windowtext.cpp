#include "ui/windowtext.h"

#include <QLineEdit>

#include "platform/messages.h"
#include "platform/numbertext.h"
#include "ui/windowmessages.h"

namespace vorlan {

QString fromStd(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString escaped(std::string_view text) { return fromStd(text).toHtmlEscaped(); }

bool readDecimal(const QString& text, double& value) { return parseTypedNumber(text.trimmed().toStdString(), value); }

bool readNumberBox(const QLineEdit* box, const QString& name, const MessageHandler& showMessage, double& value)
{
    if (readDecimal(box->text(), value))
        return true;
    showMessage(QMessageBox::Warning, msg::Title, name + msg::IsNotANumber + "\"" + box->text() + "\"");
    return false;
}

} // namespace vorlan
