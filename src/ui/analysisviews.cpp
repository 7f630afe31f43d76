#include "ui/analysisviews.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

#include "ui/analysishtml.h"
#include "ui/profileplot.h"

namespace vorlan {

namespace {

// Screen position [pixels] of both windows: below the results window, right of the main window.
constexpr QPoint kAnalysisWindowPosition(541, 120);

constexpr char kOffered[] = "vorlanAnalysisOffered";

} // namespace

AnalysisViews::AnalysisViews(QWidget* mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
    , m_detailsAction(new QAction("Details", this))
    , m_profileAction(new QAction("Temperature profile", this))
{
    m_detailsAction->setObjectName("mnuAnalysisDetails");
    m_profileAction->setObjectName("mnuAnalysisProfile");
    connect(m_detailsAction, &QAction::triggered, this, &AnalysisViews::showDetails);
    connect(m_profileAction, &QAction::triggered, this, &AnalysisViews::showProfile);
    mainWindow->installEventFilter(this);
}

AnalysisViews::~AnalysisViews()
{
    // Windows without owner go with the main window.
    delete m_details;
    delete m_profile;
}

void AnalysisViews::addMenu(QMenuBar* menuBar)
{
    QMenu* menu = new QMenu("Analysis", menuBar);
    menu->setObjectName("mnuAnalysis");
    menu->addAction(m_detailsAction);
    menu->addAction(m_profileAction);
    // Before the Help menu, the menu bar's last.
    const QList<QAction*> menus = menuBar->actions();
    menuBar->insertMenu(menus.isEmpty() ? nullptr : menus.back(), menu);
}

void AnalysisViews::calculated(const Solution& solution, PipeNames pipes, QWidget* resultsWindow)
{
    m_pipes = std::move(pipes);
    try {
        m_latest = analyseCase(solution, kProfileSegments);
    } catch (const std::exception&) {
        m_latest.reset(); // out of memory: no analysis rather than a stale one
    }
    refresh();
    if (resultsWindow != nullptr && !resultsWindow->property(kOffered).toBool()) {
        resultsWindow->setContextMenuPolicy(Qt::ActionsContextMenu);
        resultsWindow->addAction(m_detailsAction);
        resultsWindow->addAction(m_profileAction);
        resultsWindow->setProperty(kOffered, true);
    }
}

const CaseAnalysis* AnalysisViews::latest() const { return m_latest ? &*m_latest : nullptr; }

QTextBrowser* AnalysisViews::detailsWindow() const { return m_details; }
ProfilePlot* AnalysisViews::profileWindow() const { return m_profile; }

void AnalysisViews::showDetails()
{
    if (!m_details) {
        m_details = new QTextBrowser();
        m_details->setObjectName("DetailsWindow");
        m_details->setWindowTitle("Details");
        m_details->resize(620, 720);
        m_details->move(kAnalysisWindowPosition);
        refresh();
    }
    m_details->show();
    m_details->raise();
}

void AnalysisViews::showProfile()
{
    if (!m_profile) {
        m_profile = new ProfilePlot();
        m_profile->setObjectName("ProfileWindow");
        m_profile->move(kAnalysisWindowPosition + QPoint(40, 40));
        refresh();
    }
    m_profile->show();
    m_profile->raise();
}

void AnalysisViews::refresh()
{
    if (m_details)
        m_details->setHtml(analysisHtml(latest(), m_pipes));
    if (m_profile) {
        if (m_latest)
            m_profile->setProfile(m_latest->profile, QString::fromStdString(m_latest->profileMissing));
        else
            m_profile->setProfile(std::nullopt, {});
    }
}

bool AnalysisViews::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mainWindow && event->type() == QEvent::Close) {
        for (QWidget* window : std::initializer_list<QWidget*> {m_details, m_profile}) {
            if (window != nullptr)
                window->close();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorlan
