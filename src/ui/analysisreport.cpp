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

void appendAnalysisReport(QTextDocument& document, const CaseAnalysis* analysis, int pictureHeight)
{
    if (analysis == nullptr)
        return;
    // The picture at twice its size in the page, for a sharp print.
    QImage picture(1200, 2 * pictureHeight, QImage::Format_RGB32);
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

    // Two sections side by side in each row, so that the page holds them all and the picture: the
    // effectiveness beside the film coefficients, the resistances beside the cross-check, and the
    // hairpins and their return bends beside the profile's ends and the warnings. The return bends'
    // table goes without its title (its column heads tell it apart), so that a case with few
    // warnings keeps the largest picture. The hairpins keep 60 % of the width, as the warnings'
    // lines would otherwise take it and wrap their captions.
    const std::vector<DetailSection> sections = detailSections(*analysis);
    const auto row = [](const QString& left, const QString& right, int leftPercent = 0) {
        const QString leftWidth = leftPercent > 0 ? QString(" width='%1%'").arg(leftPercent) : QString();
        return "<table cellspacing='0' cellpadding='0' width='100%'><tr><td" + leftWidth + ">" + left
            + "</td><td width='16'></td><td>" + right + "</td></tr></table>";
    };
    const QString html = "<h3>Details of the solution</h3>"
        + row(sectionHtml(sections.at(0)), sectionHtml(sections.at(2)))
        + row(sectionHtml(sections.at(1)), sectionHtml(sections.at(3)))
        + row(sectionHtml(sections.at(5)) + sectionHtml(sections.at(6), false),
            sectionHtml(sections.at(4)) + warningsHtml(*analysis), 60)
        + QString("<p><img src='vorlan://profile.png' width='600' height='%1'></p>").arg(pictureHeight);

    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat newPage;
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(newPage);
    cursor.insertHtml("<div style='font-size: 7pt'>" + html + "</div>");
}

} // namespace vorlan
