#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace vorlan {

/** Shows one message box: icon, title, text and one OK button. Tests replace it to read the messages. */
using MessageHandler = std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;

/** The handler of the running program: a modal message box over parent. */
MessageHandler messageBoxHandler(QWidget* parent);

} // namespace vorlan
