#include "ui/boxlook.h"

#include <QApplication>
#include <QLineEdit>

#include "ui/windowmessages.h"

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
    box->setFocusPolicy(Qt::StrongFocus);
    setBackground(box, Qt::white);
}

void setLocked(QLineEdit* box)
{
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus); // selectable with the mouse; Tab passes it by
    setButtonFace(box);
}

void setButtonFace(QLineEdit* box) { setBackground(box, QApplication::palette().color(QPalette::Button)); }

void setStale(QLineEdit* box, bool stale)
{
    if (isStale(box) == stale)
        return;
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, stale ? QColor(0xa0, 0x10, 0x10) : QApplication::palette().color(QPalette::Text));
    box->setPalette(palette);
    QFont font = box->font();
    font.setItalic(stale);
    box->setFont(font);
    box->setToolTip(stale ? msg::StaleValue : QString());
}

bool isStale(const QLineEdit* box) { return box->font().italic(); }

} // namespace vorlan
