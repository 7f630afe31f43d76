#include "ui/boxlook.h"

#include <QApplication>
#include <QLineEdit>

namespace vorlan {

namespace {

void setBackground(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

} // namespace

void setEditable(QLineEdit* box)
{
    box->setReadOnly(false);
    setBackground(box, Qt::white);
}

void setLocked(QLineEdit* box)
{
    box->setReadOnly(true);
    setButtonFace(box);
}

void setButtonFace(QLineEdit* box) { setBackground(box, QApplication::palette().color(QPalette::Button)); }

} // namespace vorlan
