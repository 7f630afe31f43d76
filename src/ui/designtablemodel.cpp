#include "ui/designtablemodel.h"

#include <algorithm>

#include "analysis/numberformat.h"
#include "ui/designstreams.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

QString shown(double value, Measure measure) { return fromStd(figure(value, measure)); }

} // namespace

void DesignTableModel::setDesigns(const DesignTarget* target, const std::vector<Design>* designs, bool withCost)
{
    beginResetModel();
    m_target = target;
    m_designs = designs;
    m_withCost = withCost;
    m_feasible = designs == nullptr ? 0
                                    : static_cast<int>(std::count_if(designs->begin(), designs->end(),
                                        [](const Design& d) { return d.feasible(); }));
    endResetModel();
}

void DesignTableModel::showInfeasible(bool shown)
{
    beginResetModel();
    m_infeasibleShown = shown;
    endResetModel();
}

const Design* DesignTableModel::design(int row) const
{
    return row >= 0 && row < rowCount() ? &(*m_designs)[static_cast<std::size_t>(row)] : nullptr;
}

int DesignTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_designs == nullptr)
        return 0;
    return m_infeasibleShown ? static_cast<int>(m_designs->size()) : m_feasible;
}

int DesignTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Verdict + 1; }

QVariant DesignTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const auto stream = [this](int s) { return m_target ? streamName(*m_target, s) : QString("stream %1").arg(s + 1); };
    switch (section) {
    case Rank:
        return "Rank";
    case Pipes:
        return "Pipes (outer × inner)";
    case Walls:
        return "Walls [mm]";
    case InPipe:
        return "In the inner pipe";
    case Arrangement:
        return "Arrangement";
    case Hairpins:
        return "Hairpins";
    case InstalledSurface:
        return "Installed surface [m²]";
    case RequiredSurface:
        return "Required surface [m²]";
    case Excess:
        return "Excess [%]";
    case AllowedFouling:
        return "Allowed fouling [(m² K)/W]";
    case MeanU:
        return "U [W/(m² K)]";
    case Duty:
        return "Duty [kW]";
    case FirstDrop:
    case SecondDrop:
        return "Pressure drop, " + stream(section - FirstDrop) + " [kPa]";
    case FirstVelocity:
    case SecondVelocity:
        return "Velocity, " + stream(section - FirstVelocity) + " [m/s]";
    case Cost:
        return m_withCost ? "Purchase cost [USD]" : "";
    default:
        return "Feasible or the constraint broken";
    }
}

QVariant DesignTableModel::data(const QModelIndex& index, int role) const
{
    const Design* row = design(index.row());
    if (row == nullptr)
        return {};
    if (role == Qt::TextAlignmentRole) {
        const bool words = index.column() == Pipes || index.column() == InPipe || index.column() == Arrangement
            || index.column() == Verdict;
        return QVariant::fromValue((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == Verdict))
        return cell(*row, index.row(), index.column());
    return {};
}

QString DesignTableModel::cell(const Design& design, int row, int column) const
{
    const DesignCandidate& candidate = design.candidate;
    if (!design.network && column >= InstalledSurface && column <= SecondVelocity)
        return {}; // a design whose arrangement was not solved has only its verdict
    const auto side = [&](int s) -> const NetworkSide& { return sideOf(*design.network, candidate, s); };
    switch (column) {
    case Rank:
        return design.feasible() ? QString::number(row + 1) : QString();
    case Pipes:
        return fromStd(pairName(candidate));
    case Walls:
        return fromStd(
            windowDimension(candidate.outer.thicknessText) + " × " + windowDimension(candidate.inner.thicknessText));
    case InPipe:
        return fromStd(m_target->fluid[static_cast<std::size_t>(streamOn(Side::Internal, candidate))]);
    case Arrangement:
        return fromStd(arrangementName(candidate));
    case Hairpins:
        return design.hairpins > 0 ? QString::number(design.hairpins) : QString();
    case InstalledSurface:
        return shown(design.network->surface, Measure::Surface);
    case RequiredSurface:
        return shown(design.requiredSurface, Measure::Surface);
    case Excess:
        return shown(design.excess, Measure::Percent);
    case AllowedFouling:
        return shown(design.allowedFouling, Measure::Fouling);
    case MeanU:
        return shown(design.network->meanU, Measure::Coefficient);
    case Duty:
        return shown(design.network->duty, Measure::Duty);
    case FirstDrop:
    case SecondDrop:
        return shown(side(column - FirstDrop).pressureDrop(), Measure::PressureDrop);
    case FirstVelocity:
    case SecondVelocity:
        return shown(side(column - FirstVelocity).velocity, Measure::Velocity);
    case Cost:
        if (!m_withCost || !design.cost)
            return {};
        return fromStd(figure(design.cost->cost, 3))
            + (design.cost->units > 1 ? QString(" (%1 units)").arg(design.cost->units) : QString());
    default:
        return design.feasible() ? QString("Feasible") : fromStd(design.broken);
    }
}

} // namespace vorlan
