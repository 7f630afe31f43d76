#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "studies/designsearch.h"

namespace vorlan {

/**
 * The ranked designs of a search as a table, one row per design: rank, pipes and their walls, the
 * stream in the pipe, arrangement, hairpins, installed and required surface, excess, the fouling it allows, U,
 * duty, each stream's pressure drop and velocity, the purchase cost when estimated, and "Feasible"
 * or the constraint it breaks. The infeasible designs are rows only when shown.
 */
class DesignTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Rank,
        Pipes,
        Walls, ///< the pipes' wall thicknesses, which some standards' designations leave out
        InPipe,
        Arrangement,
        Hairpins,
        InstalledSurface,
        RequiredSurface,
        Excess,
        AllowedFouling,
        MeanU,
        Duty,
        FirstDrop,
        SecondDrop,
        FirstVelocity,
        SecondVelocity,
        Cost, ///< empty unless the cost was estimated
        Verdict,
    };

    using QAbstractTableModel::QAbstractTableModel;

    /** Shows the ranked designs of target (both kept by the caller while shown); null for none. */
    void setDesigns(const DesignTarget* target, const std::vector<Design>* designs, bool withCost);
    void showInfeasible(bool shown);
    /** The design of a row; null for none. */
    const Design* design(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cell(const Design& design, int row, int column) const;

    const DesignTarget* m_target = nullptr;
    const std::vector<Design>* m_designs = nullptr;
    bool m_withCost = false;
    bool m_infeasibleShown = false;
    int m_feasible = 0; // the feasible designs, which come first
};

} // namespace vorlan
