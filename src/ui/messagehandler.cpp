#include "ui/messagehandler.h"

#include <QPointer>

namespace vorlan {

MessageHandler messageBoxHandler(QWidget* parent)
{
    return MessageHandler([guard = QPointer<QWidget>(parent)](const Message& message) {
        QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok,
            message.over != nullptr ? message.over : guard.data());
        box.setTextFormat(Qt::PlainText); // names from files and boxes are shown as typed, never as markup
        if (!message.detail.isEmpty())
            box.setDetailedText(message.detail);
        box.exec();
    });
}

} // namespace vorlan
