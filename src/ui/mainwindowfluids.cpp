// The user's own fluids in the main window's fluid lists and the Fluids menu that adds to them.
#include <QMenuBar>

#include "ui/caseeditor.h"
#include "ui/casefiles.h"
#include "ui/mainwindow.h"
#include "ui/userfluidfolder.h"
#include "ui/userfluidlists.h"
#include "ui_form1.h"

namespace vorlan {

void MainWindow::addFluidsMenu()
{
    auto* fluids = new UserFluidLists(m_dataFolder, userFluidFolder(), {m_ui->Combo1, m_ui->Combo2},
        {[this] { m_editor->pickFluid(true); }, [this] { m_editor->pickFluid(false); }}, m_showMessage, this);
    fluids->addMenu(menuBar());
    m_files->onFluidAdded([fluids] { fluids->refresh(); });
}

} // namespace vorlan
