#include "ui/fluidinfomenu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <memory>

#include "ui/fluidinfowindow.h"

namespace vorlan {

void offerFluidInformation(QComboBox* fluidBox, QComboBox* pressureBox, const std::string& dataFolder)
{
    QLineEdit* edit = fluidBox->lineEdit();
    auto view = std::make_shared<QPointer<FluidInfoWindow>>();
    const auto showView = [=] {
        if (*view == nullptr)
            *view = new FluidInfoWindow(fluidBox->window());
        (*view)->showFluid(dataFolder, fluidBox->currentText().toStdString(), pressureBox->currentText());
        (*view)->show();
        (*view)->raise();
        (*view)->activateWindow();
    };
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(edit, &QWidget::customContextMenuRequested, edit, [=](const QPoint& at) {
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        menu->addSeparator();
        QAction* information = menu->addAction("Fluid information...");
        information->setEnabled(!fluidBox->currentText().trimmed().isEmpty());
        QObject::connect(information, &QAction::triggered, edit, showView);
        menu->exec(edit->mapToGlobal(at));
    });
}

} // namespace vorlan
