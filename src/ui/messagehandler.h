#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <type_traits>

namespace vorlan {

/**
 * One message as the user sees it: icon, title, text, the optional reason below it, the window it
 * is over, and an optional second button with what it does.
 */
struct Message {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QString detail; ///< the reason, shown below the text; empty for none
    QWidget* over; ///< the window the box is centred on; null for the handler's own window
    QString actionText = {}; ///< the caption of a second button beside OK; empty for none
    std::function<void()> action = {}; ///< what the second button does, once the box has closed
};

/**
 * Shows one message box with an OK button. The running program shows real boxes; tests replace
 * the handler to read the messages.
 */
class MessageHandler {
public:
    MessageHandler() = default;

    /** A handler that takes the whole message. */
    template <typename F>
    requires std::is_invocable_v<F, const Message&> MessageHandler(F show)
        : m_show(std::move(show))
    { }

    /** A handler that takes only the icon, the title and the text. */
    template <typename F>
    requires std::is_invocable_v<F, QMessageBox::Icon, const QString&, const QString&> MessageHandler(F show)
        : m_show([show = std::move(show)](const Message& message) { show(message.icon, message.title, message.text); })
    { }

    /** Shows a message over the handler's own window, with the reason below its text when there is one. */
    void operator()(QMessageBox::Icon icon, const QString& title, const QString& text, const QString& detail = {}) const
    {
        m_show(Message {icon, title, text, detail, nullptr});
    }

    /** Shows a message as given. */
    void operator()(const Message& message) const { m_show(message); }

    explicit operator bool() const { return bool(m_show); }

private:
    std::function<void(const Message& message)> m_show;
};

/**
 * The handler of the running program: a modal plain-text message box, centred on parent, with the
 * reason below the text and the message's second button when it has one.
 */
MessageHandler messageBoxHandler(QWidget* parent);

/** The handler of a secondary window: the messages of handler, centred on the window given. */
MessageHandler messagesOver(MessageHandler handler, std::function<QWidget*()> window);

} // namespace vorlan
