#include "ui/combotext.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStringList>
#include <QStyle>

namespace vorlan {

namespace {

/**
 * The line edit of a fluid box. An editable QComboBox hands its focus and key events to it; while
 * it finishes an edit (Enter, or the focus leaving) it reports so, and it keeps the typed text.
 */
class TypedNameEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    /** True while Enter or the focus leaving ends an edit. */
    bool finishingEdit() const { return m_finishing; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            finish([&] { QLineEdit::keyPressEvent(event); });
        else
            QLineEdit::keyPressEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        finish([&] { QLineEdit::focusOutEvent(event); });
    }

private:
    /** Runs the line edit's own handling, then puts the typed text back if the box replaced it. */
    void finish(const std::function<void()>& handle)
    {
        const QString typed = text();
        m_finishing = true;
        handle();
        m_finishing = false;
        if (text() != typed)
            setText(typed);
    }

    bool m_finishing = false;
};

/** Makes a list at least as wide as its widest entry, with room for the scroll bar when it scrolls. */
void widenToEntries(QAbstractItemView* list, bool scrolls)
{
    const int scrollBar = scrolls ? list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar);
}

} // namespace

void runOnPickOnly(QComboBox* box, std::function<void()> pick)
{
    auto* edit = new TypedNameEdit(box);
    box->setLineEdit(edit);
    box->setCompleter(nullptr); // no inline completion that rewrites "water" as "Water"
    QObject::connect(box, &QComboBox::activated, box, [edit, pick = std::move(pick)] {
        if (!edit->finishingEdit())
            pick();
    });
}

void addListHeading(QComboBox* box, const QString& heading)
{
    box->addItem(heading);
    if (auto* model = qobject_cast<QStandardItemModel*>(box->model())) {
        QStandardItem* item = model->item(box->count() - 1);
        item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
}

void completeNames(QComboBox* box, const QStringList& names, std::function<void()> pick)
{
    if (QCompleter* previous = box->lineEdit()->completer()) {
        box->lineEdit()->setCompleter(nullptr);
        previous->deleteLater();
    }
    auto* completer = new QCompleter(names, box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->lineEdit()->setCompleter(completer);
    widenToEntries(completer->popup(), names.size() > completer->maxVisibleItems());
    QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), box,
        [box, pick = std::move(pick)](const QString& name) {
            box->lineEdit()->setText(name);
            pick();
        });
}

void showTextStart(QComboBox* box)
{
    QLineEdit* edit = box->lineEdit();
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (!edit->isModified()) // set by the program or a pick, not typed
            edit->setCursorPosition(0);
    });
}

void widenListToEntries(QComboBox* box) { widenToEntries(box->view(), box->count() > box->maxVisibleItems()); }

} // namespace vorlan
