#pragma once

#include <QWidget>
#include <vector>

namespace vorlan {

/** A feasible design as the design plot marks it. */
struct DesignPoint {
    double dropRatio = 0; ///< the larger of the streams' pressure drops over their allowed ones
    double surface = 0; ///< installed [m²]
    bool nonDominated = false;
};

/**
 * The feasible designs of a search: installed surface against the larger pressure-drop ratio, with
 * a vertical line where a pressure drop reaches the allowed one. The non-dominated designs are
 * marked apart, the selected one ringed, with a legend above.
 */
class DesignPlot : public QWidget {
    Q_OBJECT

public:
    explicit DesignPlot(QWidget* parent = nullptr);

    /** Plots the points; searched: whether a search has ended, for the note of an empty plot. */
    void setPoints(std::vector<DesignPoint> points, bool searched);
    /** Rings the point of that index; -1 for none. */
    void select(int point);
    int plottedPoints() const { return static_cast<int>(m_points.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DesignPoint> m_points;
    bool m_searched = false;
    int m_selected = -1;
};

} // namespace vorlan
