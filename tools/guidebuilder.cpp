// vorlan-guide MARKDOWN DATA_FOLDER PDF: turns the user guide into the PDF the help viewer shows.
// The tables of fluids are generated from the data folder and its descriptions, so the guide always
// describes the tables that ship with the build and their sources; the headings become the PDF's bookmarks.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "pdfoutline.h"
#include "platform/numbertext.h"
#include "properties/fluidblocks.h"
#include "properties/fluiddescription.h"
#include "properties/fluidlibrary.h"
#include "properties/fluidlist.h"

namespace {

/** Each pressure block of a table as "p bar: first..last °C (step K)". */
QString blocksOf(const vorlan::FluidTable& table)
{
    QStringList blocks;
    const auto text = [](auto value) { return QString::fromStdString(vorlan::numberToText(value)); };
    for (const vorlan::FluidBlock& block : vorlan::fluidBlocks(table))
        blocks << QString("%1 bar: %2..%3 (%4)")
                      .arg(text(block.pressure), text(block.first), text(block.last), text(block.step));
    return blocks.join("; ");
}

/** The fluid's row of a table: its name, its blocks and the source its description names. */
QString fluidRow(const std::string& dataFolder, std::string_view name)
{
    vorlan::FluidTable table;
    vorlan::loadFluidTable(table, dataFolder + "/" + std::string(name) + ".dat");
    const vorlan::FluidDescription description = vorlan::readFluidDescription(dataFolder, name);
    if (!description.error.empty())
        throw std::runtime_error(description.error);
    if (description.densityModel.empty())
        throw std::runtime_error(std::string(name) + ": " + description.file + " names no source for it");
    return QString("| %1 | %2 | %3 |\n")
        .arg(QString::fromUtf8(name.data(), qsizetype(name.size())), blocksOf(table),
            QString::fromStdString(description.densityModel));
}

const QString kTableHead = "| Fluid | Pressure blocks | Source |\n|---|---|---|\n";

/** The fifteen tables of the fluid lists. */
QString fluidTable(const std::string& dataFolder)
{
    QString markdown = kTableHead;
    for (const std::string_view name : vorlan::kFluidNames)
        if (name != vorlan::kUserDefinedFluid)
            markdown += fluidRow(dataFolder, name);
    return markdown;
}

/** The library's tables, group by group under the headings of the fluid lists. */
QString libraryTable(const std::string& dataFolder)
{
    QString markdown;
    for (const vorlan::FluidGroup& group : vorlan::fluidLibrary()) {
        markdown += "**" + QString::fromUtf8(group.heading.data(), qsizetype(group.heading.size())) + "**\n\n";
        markdown += kTableHead;
        for (const std::string_view name : group.fluids)
            markdown += fluidRow(dataFolder, name);
        markdown += "\n";
    }
    return markdown;
}

/**
 * Starts each heading that would end a page, apart from the text it introduces, on the next page:
 * a heading stays with the first line of text that follows it, across the headings between them
 * ("Studies" with the first line under "The Study window"). pageHeight in the layout's pixels.
 */
void keepHeadingsWithText(QTextDocument& document, qreal pageHeight)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlock next = block.next();
        while (next.isValid() && next.blockFormat().headingLevel() != 0)
            next = next.next();
        if (block.blockFormat().headingLevel() == 0 || !next.isValid())
            continue;
        const QRectF following = layout->blockBoundingRect(next);
        const QTextLayout* lines = next.layout();
        const qreal firstLineBottom
            = following.top() + (lines->lineCount() > 0 ? lines->lineAt(0).rect().bottom() : following.height());
        const qreal headingTop = layout->blockBoundingRect(block).top();
        if (int(headingTop / pageHeight) != int(firstLineBottom / pageHeight)) {
            QTextBlockFormat breakBefore;
            breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).mergeBlockFormat(breakBefore);
            document.markContentsDirty(0, document.characterCount()); // lay out everything after it again
        }
    }
}

/** The headings as bookmarks, where the pages of pageHeight layout pixels put them. */
std::vector<vorlan::OutlineEntry> headings(
    QTextDocument& document, const QPageLayout& layout, qreal pageHeight, int resolution)
{
    std::vector<vorlan::OutlineEntry> entries;
    const qreal pointsPerPixel = 72.0 / resolution;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        const qreal top = document.documentLayout()->blockBoundingRect(block).top();
        const int page = int(top / pageHeight);
        const qreal fromPageTop
            = layout.paintRect(QPageLayout::Point).top() + (top - page * pageHeight) * pointsPerPixel;
        // The guide's title and its chapters at the top, the sections under their chapter.
        entries.push_back({std::max(level - 1, 1), block.text().toStdString(), page,
            layout.fullRect(QPageLayout::Point).height() - fromPageTop});
    }
    return entries;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: vorlan-guide MARKDOWN DATA_FOLDER PDF\n", stderr);
        return 2;
    }
    QFile source(argv[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vorlan-guide: cannot read %s\n", argv[1]);
        return 1;
    }
    QString markdown = QString::fromUtf8(source.readAll());
    try {
        markdown.replace("{{FLUID_TABLE}}", fluidTable(argv[2]));
        markdown.replace("{{LIBRARY_TABLE}}", libraryTable(argv[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vorlan-guide: %s\n", error.what());
        return 1;
    }

    QTextDocument document;
    QFont font("Liberation Sans");
    font.setPointSize(10);
    document.setDefaultFont(font);
    QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setTitle("Using Vorlan");
    writer.setCreator("Vorlan");
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    writer.setResolution(96); // the pictures keep the size they have on screen

    const int pageWidth = int(writer.pageLayout().paintRectPixels(writer.resolution()).width());
    // Pictures are given relative to the guide's source; they are added after the text, which
    // setMarkdown() would otherwise clear with them.
    document.setMarkdown(markdown);
    const QString folder = QString::fromStdString(std::filesystem::absolute(argv[1]).parent_path().string()) + "/";
    static const QRegularExpression picture(R"(!\[[^\]]*\]\(([^)]+)\))");
    for (const QRegularExpressionMatch& match : picture.globalMatch(markdown)) {
        const QImage image(folder + match.captured(1));
        if (image.isNull()) {
            std::fprintf(stderr, "vorlan-guide: cannot read the picture %s\n", qPrintable(match.captured(1)));
            return 1;
        }
        // A picture wider than the page is shrunk to its width.
        document.addResource(QTextDocument::ImageResource, QUrl(match.captured(1)),
            image.width() > pageWidth ? image.scaledToWidth(pageWidth, Qt::SmoothTransformation) : image);
    }

    // Paint page by page: printing through QTextDocument::print would drop the pictures, which
    // live in this document's resources only.
    document.documentLayout()->setPaintDevice(&writer);
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    document.setPageSize(page.size());
    keepHeadingsWithText(document, page.height());
    QPainter painter(&writer);
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF shown(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -shown.top());
        document.drawContents(&painter, shown);
        painter.restore();
    }
    painter.end();
    // The chapters and sections as the PDF's bookmarks, for the help viewer's contents.
    if (const std::string problem
        = vorlan::appendOutline(argv[3], headings(document, writer.pageLayout(), page.height(), writer.resolution()));
        !problem.empty()) {
        std::fprintf(stderr, "vorlan-guide: cannot add the bookmarks: %s\n", problem.c_str());
        return 1;
    }
    return 0;
}
