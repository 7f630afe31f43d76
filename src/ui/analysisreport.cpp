#include "ui/analysisreport.h"

#include <QImage>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "analysis/analysistext.h"
#include "analysis/caseanalysis.h"
#include "ui/analysishtml.h"
#include "ui/profileplot.h"

namespace vorlan {

void appendAnalysisReport(QTextDocument& document, const CaseAnalysis* analysis)
{
    if (analysis == nullptr)
        return;
    // The picture at twice its size in the page, for a sharp print.
    QImage picture(1200, 560, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        QFont font("Liberation Sans");
        font.setPixelSize(22);
        painter.setFont(font);
        paintProfile(painter, picture.rect(), analysis->profile ? &*analysis->profile : nullptr,
            QString::fromStdString(analysis->profileMissing));
    }
    document.addResource(QTextDocument::ImageResource, QUrl("vorlan://profile.png"), picture);

    // The film coefficients across the page, the four small tables two by two beneath them.
    const std::vector<DetailSection> sections = detailSections(*analysis);
    QString html = "<h3>Details of the solution</h3>" + sectionHtml(sections.at(0))
        + "<table cellspacing='0' cellpadding='0'><tr><td>" + sectionHtml(sections.at(1))
        + "</td><td width='16'></td><td>" + sectionHtml(sections.at(2)) + "</td></tr><tr><td>"
        + sectionHtml(sections.at(3)) + "</td><td></td><td>" + sectionHtml(sections.at(4)) + "</td></tr></table>"
        + warningsHtml(*analysis) + "<p><img src='vorlan://profile.png' width='600' height='280'></p>";

    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertHtml("<div style='font-size: 7pt'>" + html + "</div>");
}

} // namespace vorlan
