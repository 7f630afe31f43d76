#include "ui/messagehandler.h"

#include <QPointer>

namespace vorlan {

MessageHandler messageBoxHandler(QWidget* parent)
{
    return [guard = QPointer<QWidget>(parent)](QMessageBox::Icon icon, const QString& title, const QString& text) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, guard);
        box.exec();
    };
}

} // namespace vorlan
