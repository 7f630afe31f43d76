#include "ui/messagehandler.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace vorlan {

MessageHandler messageBoxHandler(QWidget* parent)
{
    return MessageHandler([guard = QPointer<QWidget>(parent)](const Message& message) {
        QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok,
            message.over != nullptr ? message.over : guard.data());
        box.setTextFormat(Qt::PlainText); // names from files and boxes are shown as typed, never as markup
        if (!message.detail.isEmpty()) {
            box.setInformativeText(message.detail);
            // The box's text format leaves the reason's label as it is: plain too, for the same reason.
            if (auto* reason = box.findChild<QLabel*>("qt_msgbox_informativelabel"))
                reason->setTextFormat(Qt::PlainText);
        }
        QPushButton* second
            = message.actionText.isEmpty() ? nullptr : box.addButton(message.actionText, QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        if (second != nullptr && box.clickedButton() == second && message.action)
            message.action();
    });
}

MessageHandler messagesOver(MessageHandler handler, std::function<QWidget*()> window)
{
    return MessageHandler([handler = std::move(handler), window = std::move(window)](const Message& shown) {
        Message onWindow = shown;
        onWindow.over = window();
        handler(onWindow);
    });
}

} // namespace vorlan
