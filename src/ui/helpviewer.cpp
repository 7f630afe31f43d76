#include "ui/helpviewer.h"

#include <QPdfDocument>
#include <QPdfView>

#include "ui/formfont.h"
#include "ui_form4.h"

namespace vorlan {

HelpViewer::HelpViewer(const QString& guidePath, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form4>())
    , m_document(new QPdfDocument(this))
{
    m_ui->setupUi(this);
    applyFormFont(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(684, 659);
    m_document->load(guidePath);
    m_ui->WebBrowser1->setDocument(m_document);
    m_ui->WebBrowser1->setPageMode(QPdfView::PageMode::MultiPage);
    m_ui->WebBrowser1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
}

HelpViewer::~HelpViewer() = default;

} // namespace vorlan
