#include "ui/decimaltext.h"

#include "platform/numbertext.h"

namespace vorlan {

bool readDecimal(const QString& text, double& value)
{
    QString withComma = text.trimmed();
    withComma.replace('.', ',');
    return !withComma.isEmpty() && parseNumber(withComma.toStdString(), ',', value);
}

} // namespace vorlan
