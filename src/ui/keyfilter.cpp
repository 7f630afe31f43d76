#include "ui/keyfilter.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

namespace vorlan {

namespace {

/**
 * Pastes the clipboard's text (mode Selection: the text selected in another window) into box as
 * if it were typed: over the selection, each character through FiltroNumerico. Nothing happens in
 * a locked box.
 */
void pasteFiltered(QLineEdit* box, bool allowSign, QClipboard::Mode mode)
{
    if (box->isReadOnly())
        return;
    // The pasted text replaces the selection, then goes in character by character as if typed.
    QString text = box->text();
    int cursor = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    text.remove(cursor, box->selectedText().size());
    QString kept;
    for (const QChar pasted : QGuiApplication::clipboard()->text(mode)) {
        const QChar accepted = FiltroNumerico(pasted, text, allowSign, cursor);
        if (accepted.isNull() || accepted == QChar(8))
            continue; // a Backspace in a pasted text erases nothing
        text.insert(cursor++, accepted);
        kept += accepted;
    }
    if (!kept.isEmpty())
        box->insert(kept);
}

} // namespace

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

void showNumericMenu(QLineEdit* box, bool allowSign, const QPoint& globalPosition)
{
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr)
            menu->removeAction(action); // "Insert Unicode control character": nothing a number holds
        if (action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) { // the line edit's own caption
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered, box,
                [box, allowSign] { pasteFiltered(box, allowSign, QClipboard::Clipboard); });
        }
    }
    menu->exec(globalPosition);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        showNumericMenu(box, m_allowSign, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
        && QGuiApplication::clipboard()->supportsSelection()) {
        box->deselect(); // the selection's text is pasted at the cursor, as the line edit does
        pasteFiltered(box, m_allowSign, QClipboard::Selection);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        pasteFiltered(box, m_allowSign, QClipboard::Clipboard);
        return true;
    }
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo)
        || key->matches(QKeySequence::Redo) || key->matches(QKeySequence::SelectAll))
        return false; // the line edit's own editing keys
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
        || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->text().isEmpty())
        return false; // keys that type nothing: Tab to the next box, Enter for the window, Delete, arrows
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
