#include "ui/formfont.h"

#include <QWidget>

namespace vorlan {

void applyFormFont(QWidget* window)
{
    QFont font("Liberation Sans");
    font.setPixelSize(10);
    window->setFont(font);
}

} // namespace vorlan
