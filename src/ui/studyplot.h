#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace vorlan {

/** A plotted column of a study: its title with the unit, and a value per point, NaN where there is none. */
struct PlotSeries {
    QString title;
    std::vector<double> values;
};

/**
 * One or two columns of a study against the swept value: markers joined by lines, broken where a
 * point has no value; the first column on the left axis, the second on the right, each with its
 * ticks and title, and a legend above. The x axis is logarithmic for a logarithmic sweep of
 * positive values.
 */
class StudyPlot : public QWidget {
    Q_OBJECT

public:
    explicit StudyPlot(QWidget* parent = nullptr);

    /** Plots the series (one or two, each with a value per x) against x; none for an empty plot. */
    void setData(const QString& xTitle, std::vector<double> x, std::vector<PlotSeries> series, bool logarithmic);

    /** How many markers the first series shows. */
    int plottedPoints() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_xTitle;
    std::vector<double> m_x;
    std::vector<PlotSeries> m_series;
    bool m_logarithmic = false;
};

} // namespace vorlan
