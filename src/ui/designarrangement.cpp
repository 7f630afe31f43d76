#include "ui/designarrangement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/numberformat.h"
#include "ui/designstreams.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

QTableWidgetItem* numberItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString shown(double value, Measure measure) { return fromStd(figure(value, measure)); }

QTableWidget* table(const char* name, const QStringList& headings)
{
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

} // namespace

DesignArrangementView::DesignArrangementView(QWidget* parent)
    : QWidget(parent)
    , m_caption(new QLabel)
    , m_sides(table("arrangementSides", {"", "Inner pipe", "Annulus"}))
    , m_sections(table("arrangementSections",
          {"Hairpin", "Bank", "Inner pipe in [°C]", "Inner pipe out [°C]", "Annulus in [°C]", "Annulus out [°C]",
              "Duty [kW]", "U [W/(m² K)]", "Inner pipe pressure drop [kPa]", "Annulus pressure drop [kPa]"}))
{
    m_caption->setObjectName("arrangementCaption");
    m_caption->setWordWrap(true);
    m_caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sides->verticalHeader()->hide();
    m_sections->verticalHeader()->hide();
    const QStringList rows = {"Inlet temperature [°C]", "Outlet temperature [°C]", "Mass flow per path [kg/s]", "Paths",
        "Velocity [m/s]", "Straight-pipe pressure drop [kPa]", "Return bends per path",
        "Return-bend pressure drop [kPa]", "Pressure drop along a path [kPa]"};
    m_sides->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        m_sides->setItem(r, 0, new QTableWidgetItem(rows[r]));
    m_sides->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sides->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sides->setMinimumHeight(m_sides->horizontalHeader()->sizeHint().height()
        + m_sides->rowCount() * m_sides->verticalHeader()->defaultSectionSize() + 2 * m_sides->frameWidth() + 4);
    fitSides();
    auto* tables = new QHBoxLayout;
    tables->addWidget(m_sides, 0, Qt::AlignLeft | Qt::AlignTop);
    tables->addWidget(m_sections, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    layout->addLayout(tables, 1);
    showDesign(nullptr, nullptr);
}

void DesignArrangementView::showDesign(const DesignTarget* target, const Design* design)
{
    m_sections->setRowCount(0);
    m_sections->hide();
    for (int r = 0; r < m_sides->rowCount(); ++r) {
        m_sides->setItem(r, 1, numberItem({}));
        m_sides->setItem(r, 2, numberItem({}));
    }
    m_sides->setHorizontalHeaderLabels({"", "Inner pipe", "Annulus"});
    fitSides();
    if (target == nullptr || design == nullptr) {
        m_caption->setText("Select a design in the table to see its arrangement.");
        return;
    }
    const DesignCandidate& candidate = design->candidate;
    QString caption = "Outer pipe " + fromStd(pipeName(candidate.outer)) + ", inner pipe "
        + fromStd(pipeName(candidate.inner)) + "; " + fromStd(arrangementName(candidate));
    if (!design->network) {
        m_caption->setText(caption + ": not solved. " + fromStd(design->broken));
        return;
    }
    const HairpinNetwork& network = *design->network;
    caption
        += QString(": %1 hairpin%2 of two %3 m legs, %4 m² installed.")
               .arg(design->hairpins)
               .arg(design->hairpins == 1 ? "" : "s")
               .arg(shown(network.arrangement.legLength, Measure::Length), shown(network.surface, Measure::Surface));
    if (!design->feasible())
        caption += " " + fromStd(design->broken);
    m_caption->setText(caption);
    const NetworkSide* sides[] = {&network.internal, &network.external};
    m_sides->setHorizontalHeaderLabels(
        {"", "Inner pipe: " + streamName(*target, static_cast<int>(streamOn(Side::Internal, candidate))),
            "Annulus: " + streamName(*target, static_cast<int>(streamOn(Side::External, candidate)))});
    for (int c = 0; c < 2; ++c) {
        const NetworkSide& side = *sides[c];
        const QString cells[] = {shown(side.inletTemperature, Measure::Temperature),
            shown(side.outletTemperature, Measure::Temperature), shown(side.massFlow, Measure::MassFlow),
            QString::number(side.paths), shown(side.velocity, Measure::Velocity),
            shown(side.pipePressureDrop, Measure::PressureDrop), QString::number(side.bends.count),
            shown(side.bends.pressureDrop, Measure::PressureDrop), shown(side.pressureDrop(), Measure::PressureDrop)};
        for (int r = 0; r < m_sides->rowCount(); ++r)
            m_sides->setItem(r, c + 1, numberItem(cells[r]));
    }
    fitSides();

    m_sections->setRowCount(static_cast<int>(network.sections.size()));
    for (int r = 0; r < m_sections->rowCount(); ++r) {
        const HairpinSection& section = network.sections[static_cast<std::size_t>(r)];
        const ResultRecord& record = section.record;
        const QString cells[] = {QString::number(section.hairpin), QString::number(section.bank),
            shown(record.intTin, Measure::Temperature), shown(record.intTout, Measure::Temperature),
            shown(record.estTin, Measure::Temperature), shown(record.estTout, Measure::Temperature),
            shown(record.q, Measure::Duty), shown(record.U, Measure::Coefficient),
            shown(record.intDeltaP, Measure::PressureDrop), shown(record.estDeltaP, Measure::PressureDrop)};
        for (int c = 0; c < m_sections->columnCount(); ++c)
            m_sections->setItem(r, c, numberItem(cells[c]));
    }
    m_sections->resizeColumnsToContents();
    m_sections->setVisible(!network.sections.empty());
}

void DesignArrangementView::fitSides()
{
    m_sides->resizeColumnsToContents();
    m_sides->setFixedWidth(m_sides->horizontalHeader()->length() + 2 * m_sides->frameWidth());
}

} // namespace vorlan
