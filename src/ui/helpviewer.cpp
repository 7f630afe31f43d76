#include "ui/helpviewer.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QShortcut>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/formfont.h"
#include "ui/pagehighlight.h"
#include "ui_form4.h"

namespace vorlan {

namespace {

constexpr double kZoomStep = 1.25; // one press of zoom in or out
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 8;

QToolButton* toolButton(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    return button;
}

/**
 * The bookmarks of the guide at path, read once for the program's life. Qt 6.4's bookmark model
 * never frees what the PDF library parsed of the document it reads them from, so a model made anew
 * for each opening of the guide would lose that memory again at each opening.
 */
QPdfBookmarkModel* guideBookmarks(const QString& path)
{
    static auto* models = new QHash<QString, QPdfBookmarkModel*>; // never freed, like the models
    QPdfBookmarkModel*& model = (*models)[path];
    if (model == nullptr) {
        model = new QPdfBookmarkModel;
        auto* document = new QPdfDocument(model);
        document->load(path);
        model->setDocument(document);
    }
    return model;
}

} // namespace

HelpViewer::HelpViewer(const QString& guidePath, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form4>())
    , m_document(new QPdfDocument(this))
    , m_search(new QPdfSearchModel(this))
    , m_contents(new QTreeView(this))
    , m_missing(new QLabel(this))
    , m_findBox(new QLineEdit(this))
    , m_findCount(new QLabel(this))
{
    m_ui->setupUi(this);
    m_highlight = new PageHighlight(m_ui->WebBrowser1);
    applyFormFont(this);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(684, 659); // 10260 x 9885 twips; the window can be resized from there
    buildToolBar();

    m_ui->WebBrowser1->setDocument(m_document);
    m_ui->WebBrowser1->setPageMode(QPdfView::PageMode::MultiPage);
    m_ui->WebBrowser1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_search->setDocument(m_document);
    connect(m_search, &QAbstractItemModel::rowsInserted, this, &HelpViewer::showFindCount);
    connect(m_search, &QAbstractItemModel::modelReset, this, &HelpViewer::showFindCount);

    m_missing->setWordWrap(true);
    m_missing->setTextFormat(Qt::PlainText);
    m_missing->setAlignment(Qt::AlignCenter);
    if (m_document->load(guidePath) != QPdfDocument::Error::None) {
        m_missing->setText("The user guide cannot be found or opened:\n" + guidePath);
        m_ui->WebBrowser1->hide();
        m_contents->hide();
    } else {
        m_missing->hide();
        m_contents->setModel(guideBookmarks(guidePath));
        m_contents->expandAll();
    }
}

HelpViewer::~HelpViewer() = default;

QString HelpViewer::missingText() const { return m_missing->isHidden() ? QString() : m_missing->text(); }

void HelpViewer::buildToolBar()
{
    QToolButton* zoomOut = toolButton("-", "Zoom out (Ctrl+-)", this);
    QToolButton* zoomIn = toolButton("+", "Zoom in (Ctrl++)", this);
    QToolButton* fitWidth = toolButton("Fit width", "Fit the page to the window's width", this);
    QToolButton* previous = toolButton("Previous", "Previous match (Shift+F3)", this);
    QToolButton* next = toolButton("Next", "Next match (F3, Enter)", this);
    zoomOut->setObjectName("zoomOut");
    zoomIn->setObjectName("zoomIn");
    fitWidth->setObjectName("fitWidth");
    previous->setObjectName("findPrevious");
    next->setObjectName("findNext");
    m_findBox->setObjectName("findBox");
    m_findBox->setPlaceholderText("Find (Ctrl+F)");
    m_findBox->setClearButtonEnabled(true);
    m_findCount->setObjectName("findCount");

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(4, 4, 4, 4);
    for (QWidget* widget : std::initializer_list<QWidget*> {zoomOut, zoomIn, fitWidth})
        tools->addWidget(widget);
    tools->addStretch();
    for (QWidget* widget : std::initializer_list<QWidget*> {m_findBox, previous, next, m_findCount})
        tools->addWidget(widget);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tools);
    layout->addWidget(m_missing, 1);
    // The contents beside the pages; dragging the splitter can close them.
    m_contents->setObjectName("contents");
    m_contents->setHeaderHidden(true);
    m_contents->setUniformRowHeights(true);
    m_contents->setExpandsOnDoubleClick(false);
    connect(m_contents, &QTreeView::activated, this, &HelpViewer::openBookmark);
    connect(m_contents, &QTreeView::clicked, this, &HelpViewer::openBookmark);
    auto* pages = new QSplitter(this);
    pages->addWidget(m_contents);
    pages->addWidget(m_ui->WebBrowser1);
    pages->setStretchFactor(1, 1);
    pages->setSizes({200, 480});
    layout->addWidget(pages, 1);

    connect(zoomIn, &QToolButton::clicked, this, [this] { zoomBy(kZoomStep); });
    connect(zoomOut, &QToolButton::clicked, this, [this] { zoomBy(1 / kZoomStep); });
    connect(fitWidth, &QToolButton::clicked, this,
        [this] { m_ui->WebBrowser1->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
    connect(new QShortcut(QKeySequence::ZoomIn, this), &QShortcut::activated, zoomIn, &QToolButton::click);
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, zoomOut, &QToolButton::click);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_findBox->setFocus();
        m_findBox->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, next, &QToolButton::click);
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, previous, &QToolButton::click);
    connect(next, &QToolButton::clicked, this, [this] { findStep(1); });
    connect(previous, &QToolButton::clicked, this, [this] { findStep(-1); });
    connect(m_findBox, &QLineEdit::returnPressed, this, [this] { findStep(1); });
    connect(m_findBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_found = -1;
        m_highlight->mark(-1, {});
        m_search->setSearchString(text);
        showFindCount();
    });
}

void HelpViewer::zoomBy(double factor)
{
    QPdfView* view = m_ui->WebBrowser1;
    view->setZoomMode(QPdfView::ZoomMode::Custom);
    view->setZoomFactor(std::clamp(view->zoomFactor() * factor, kMinZoom, kMaxZoom));
}

void HelpViewer::findStep(int step)
{
    const int count = m_search->rowCount({});
    if (count == 0) {
        showFindCount();
        return;
    }
    m_found = m_found < 0 ? (step > 0 ? 0 : count - 1) : (m_found + step + count) % count;
    const QPdfLink hit = m_search->resultAtIndex(m_found);
    m_ui->WebBrowser1->pageNavigator()->jump(hit);
    // The view goes to the top of the hit's page, and not at all when it shows that page already:
    // bring the hit itself into sight and mark it.
    const QRectF first = hit.rectangles().value(0);
    m_highlight->scrollTo(hit.page(), first.top(), 1.0 / 3);
    m_highlight->mark(hit.page(), hit.rectangles());
    showFindCount();
}

void HelpViewer::openBookmark(const QModelIndex& index)
{
    const int page = index.data(int(QPdfBookmarkModel::Role::Page)).toInt();
    const QPointF place = index.data(int(QPdfBookmarkModel::Role::Location)).toPointF();
    m_ui->WebBrowser1->pageNavigator()->jump(page, place);
    m_highlight->scrollTo(page, place.y(), 0);
}

void HelpViewer::showFindCount()
{
    const int count = m_search->rowCount({});
    if (m_findBox->text().isEmpty())
        m_findCount->clear();
    else if (count == 0)
        m_findCount->setText("Not found");
    else if (m_found < 0)
        m_findCount->setText(QString("%1 found").arg(count));
    else
        m_findCount->setText(QString("%1 of %2").arg(m_found + 1).arg(count));
}

} // namespace vorlan
