#include "ui/userfluidlists.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QStandardItemModel>

#include "properties/fluidname.h"
#include "ui/combotext.h"
#include "ui/constantfluiddialog.h"
#include "ui/importfluiddialog.h"

namespace vorlan {

namespace {

constexpr char kHeading[] = "Your fluids";

} // namespace

UserFluidLists::UserFluidLists(std::string dataFolder, std::string userFolder, std::array<QComboBox*, 2> boxes,
    std::array<std::function<void()>, 2> picks, MessageHandler showMessage, QWidget* window)
    : QObject(window)
    , m_dataFolder(std::move(dataFolder))
    , m_userFolder(std::move(userFolder))
    , m_boxes(boxes)
    , m_picks(std::move(picks))
    , m_showMessage(std::move(showMessage))
    , m_window(window)
    , m_otherFluids(boxes[0]->count())
{
    refresh();
}

void UserFluidLists::addMenu(QMenuBar* bar)
{
    QMenu* menu = new QMenu("Fluids", bar);
    menu->setObjectName("mnuFluids");
    QAction* import = menu->addAction("Import fluid table...");
    import->setObjectName("mnuImportFluid");
    connect(import, &QAction::triggered, this, [this] { showDialog(m_import); });
    QAction* constant = menu->addAction("New constant-property fluid...");
    constant->setObjectName("mnuNewConstantFluid");
    connect(constant, &QAction::triggered, this, [this] { showDialog(m_constant); });
    bar->insertMenu(bar->actions().back(), menu);
}

template <typename Dialog> void UserFluidLists::showDialog(QPointer<Dialog>& dialog)
{
    if (!dialog) {
        MessageHandler overDialog([this, &dialog](const Message& shown) {
            Message onDialog = shown;
            onDialog.over = dialog;
            m_showMessage(onDialog);
        });
        dialog = new Dialog(m_dataFolder, m_userFolder, std::move(overDialog), m_window);
        connect(dialog, &Dialog::saved, this, &UserFluidLists::refresh);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void UserFluidLists::refresh()
{
    const std::vector<std::string> names = userFluidNames(m_dataFolder, m_userFolder);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        QComboBox* box = m_boxes[i];
        const QString text = box->currentText();
        while (box->count() > m_otherFluids)
            box->removeItem(box->count() - 1);
        if (!names.empty())
            addListHeading(box, kHeading);
        for (const std::string& name : names)
            box->addItem(QString::fromStdString(name));
        if (box->currentText() != text) {
            box->setCurrentIndex(-1);
            box->setEditText(text);
        }
        QStringList pickable;
        for (int entry = 0; entry < box->count(); ++entry)
            if (box->model()->flags(box->model()->index(entry, 0)) & Qt::ItemIsEnabled)
                pickable << box->itemText(entry);
        completeNames(box, pickable, m_picks[i]);
        widenListToEntries(box);
    }
}

} // namespace vorlan
