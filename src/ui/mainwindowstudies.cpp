// The Studies menu of the main window and the windows it opens: the Study window, the hairpin
// layout and the fouling search. Each calculates on a core of its own, never on m_core, and
// centres its messages on itself.
#include <QMenu>
#include <QMenuBar>

#include "ui/analysisviews.h"
#include "ui/foulingdialog.h"
#include "ui/hairpindialog.h"
#include "ui/mainwindow.h"
#include "ui/studywindow.h"
#include "ui/windowpositions.h"

namespace vorlan {

namespace {

/** Shows a secondary window in front: beside the main window when just created, else where it was. */
void bringUp(QWidget* window, bool created)
{
    if (created)
        window->move(kSecondaryWindowPosition);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::addStudiesMenu()
{
    QMenu* menu = new QMenu("Studies", menuBar());
    menu->setObjectName("mnuStudies");
    const auto entry = [this, menu](const char* text, const char* name, void (MainWindow::*show)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, show);
    };
    entry("Study...", "mnuStudy", &MainWindow::showStudy);
    entry("Hairpin layout...", "mnuHairpins", &MainWindow::showHairpins);
    entry("Find fouling...", "mnuFindFouling", &MainWindow::showFindFouling);
    menuBar()->insertMenu(menuBar()->actions().back(), menu); // after Analysis, before Help
}

MessageHandler MainWindow::messagesOver(std::function<QWidget*()> window) const
{
    return MessageHandler([this, window = std::move(window)](const Message& shown) {
        Message onWindow = shown;
        onWindow.over = window();
        m_showMessage(onWindow);
    });
}

void MainWindow::showStudy()
{
    const bool created = !m_study;
    if (created)
        m_study = new StudyWindow(
            m_dataFolder, [this] { return snapshot(); }, messagesOver([this] { return m_study.data(); }));
    bringUp(m_study, created);
}

void MainWindow::showHairpins()
{
    const bool created = !m_hairpins;
    if (created)
        m_hairpins = new HairpinDialog(
            [this] { return m_analysis->latest(); }, messagesOver([this] { return m_hairpins.data(); }));
    m_hairpins->layOut();
    bringUp(m_hairpins, created);
}

void MainWindow::showFindFouling()
{
    const bool created = !m_fouling;
    if (created)
        m_fouling = new FoulingDialog(
            m_dataFolder, [this] { return snapshot(); }, messagesOver([this] { return m_fouling.data(); }));
    if (created)
        m_fouling->takeOutletsFromCase(); // later, the measurements typed stay
    bringUp(m_fouling, created);
}

} // namespace vorlan
