#include "ui/pipepicker.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/messages.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

constexpr int kPipeIndex = Qt::UserRole;

/** The box's text replaced as if the user had typed it: the edit can be undone and marks the case. */
void typeInto(QLineEdit* box, const std::string& text)
{
    box->selectAll();
    box->insert(fromStd(text));
}

} // namespace

PipePicker::PipePicker(
    const std::vector<StandardPipe>& catalogue, const QString& pipe, const StandardPipe* current, QWidget* parent)
    : QDialog(parent)
    , m_catalogue(catalogue)
    , m_standard(new QComboBox(this))
    , m_list(new QTreeWidget(this))
{
    setObjectName("PipePicker");
    setWindowTitle("Standard pipe - " + pipe);
    m_standard->setObjectName("pipeStandard");
    m_standard->addItem("All standards");
    for (const StandardPipe& each : m_catalogue) {
        if (m_standard->findText(fromStd(each.standard)) < 0)
            m_standard->addItem(fromStd(each.standard));
    }
    m_list->setObjectName("pipeList");
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({"Designation", "Outside diameter × thickness [mm]"});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_standard, &QComboBox::currentIndexChanged, this, &PipePicker::filter);

    auto* form = new QFormLayout;
    form->addRow("Standard:", m_standard);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    if (current != nullptr)
        m_standard->setCurrentText(fromStd(current->standard));
    filter();
    for (int i = 0; current != nullptr && i < m_list->topLevelItemCount(); ++i) {
        if (&m_catalogue[m_list->topLevelItem(i)->data(0, kPipeIndex).toULongLong()] == current)
            m_list->setCurrentItem(m_list->topLevelItem(i));
    }
    resize(380, 420);
}

void PipePicker::filter()
{
    const StandardPipe* selected = picked();
    m_list->clear();
    const QString standard = m_standard->currentIndex() == 0 ? QString() : m_standard->currentText();
    for (std::size_t i = 0; i < m_catalogue.size(); ++i) {
        const StandardPipe& pipe = m_catalogue[i];
        if (!standard.isEmpty() && fromStd(pipe.standard) != standard)
            continue;
        auto* item = new QTreeWidgetItem(m_list,
            {fromStd(pipe.designation),
                fromStd(windowDimension(pipe.outsideDiameterText) + " × " + windowDimension(pipe.thicknessText))});
        item->setData(0, kPipeIndex, static_cast<qulonglong>(i));
        if (&pipe == selected)
            m_list->setCurrentItem(item);
    }
    if (m_list->currentItem() != nullptr)
        m_list->scrollToItem(m_list->currentItem(), QAbstractItemView::PositionAtCenter);
}

const StandardPipe* PipePicker::picked() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item == nullptr ? nullptr : &m_catalogue[item->data(0, kPipeIndex).toULongLong()];
}

void offerStandardPipes(QPushButton* button, const QString& pipe, QLineEdit* outsideDiameter, QLineEdit* thickness,
    const std::vector<StandardPipe>& catalogue, const std::string& catalogueError, MessageHandler showMessage)
{
    QObject::connect(button, &QPushButton::clicked, button, [=, &catalogue, &catalogueError] {
        if (!catalogueError.empty()) {
            showMessage(QMessageBox::Warning, msg::Title, QString(msg::PipesUnreadable) + fromStd(catalogueError));
            return;
        }
        const StandardPipe* current
            = standardPipeOf(catalogue, outsideDiameter->text().toStdString(), thickness->text().toStdString());
        auto* picker = new PipePicker(catalogue, pipe, current, button->window());
        picker->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(picker, &QDialog::accepted, outsideDiameter, [=] {
            if (const StandardPipe* picked = picker->picked()) {
                typeInto(outsideDiameter, windowDimension(picked->outsideDiameterText));
                typeInto(thickness, windowDimension(picked->thicknessText));
            }
        });
        picker->open();
    });
}

} // namespace vorlan
