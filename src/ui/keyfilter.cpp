#include "ui/keyfilter.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <memory>

namespace vorlan {

QChar FiltroNumerico(QChar typed, const QString& text, bool allowSign, int cursorPosition)
{
    const QString trimmed = text.trimmed();
    if (typed == u'.' || typed == u',')
        return trimmed.contains(u',') ? QChar() : QChar(u',');
    if ((typed >= u'0' && typed <= u'9') || typed == QChar(8))
        return typed;
    if (allowSign && typed == u'-' && cursorPosition == 0 && !text.contains(u'-'))
        return typed;
    return {};
}

void showNumericMenu(QLineEdit* box, const QPoint& globalPosition)
{
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            menu->removeAction(action); // "Insert Unicode control character": nothing a number holds
            continue;
        }
        // The key shown beside an entry (Ctrl+V ...) does nothing in a numeric box: the entry stays, its key goes.
        action->setText(action->text().section(u'\t', 0, 0));
    }
    menu->exec(globalPosition);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        showNumericMenu(box, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)
        || key->matches(QKeySequence::Undo))
        return true;
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
        || key->text().isEmpty())
        return false; // Backspace, Tab to the next box, Delete, arrows and other keys that type nothing
    const QChar typed = key->text().front();
    if (m_allowSign && typed == u'-' && box->hasSelectedText() && box->selectionStart() == 0) {
        // A sign typed over a selection from the start replaces it: the text left is what it leads.
        const QString kept = box->text().mid(box->selectionLength());
        return FiltroNumerico(typed, kept, true, 0).isNull();
    }
    const QChar accepted = FiltroNumerico(typed, box->text(), m_allowSign, box->cursorPosition());
    if (accepted.isNull())
        return true;
    if (accepted != typed) {
        box->insert(QString(accepted));
        return true;
    }
    return false;
}

} // namespace vorlan
