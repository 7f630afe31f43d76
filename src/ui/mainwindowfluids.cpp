// The user's own fluids in the main window's fluid lists and the Fluids menu that adds to them.
#include <QMenuBar>

#include "ui/mainwindow.h"
#include "ui/userfluidlists.h"
#include "ui_form1.h"

namespace vorlan {

void MainWindow::addFluidsMenu()
{
    auto* fluids = new UserFluidLists(m_core.fluids.dataFolder(), m_core.fluids.userFolder(),
        {m_ui->Combo1, m_ui->Combo2}, {[this] { pickFluid(true); }, [this] { pickFluid(false); }}, m_showMessage, this);
    fluids->addMenu(menuBar());
}

} // namespace vorlan
