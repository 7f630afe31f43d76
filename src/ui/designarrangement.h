#pragma once

#include <QWidget>

#include "studies/designsearch.h"

class QLabel;
class QTableWidget;

namespace vorlan {

/**
 * The arrangement of one design: its pipes, arrangement and hairpins in words; per exchanger side
 * the stream's inlet and outlet temperatures, flow per path, paths, velocity and the pressure drops
 * of the straight pipe and of the return bends; and each hairpin as solved.
 */
class DesignArrangementView : public QWidget {
    Q_OBJECT

public:
    explicit DesignArrangementView(QWidget* parent = nullptr);

    /** Shows the design of target; null for none. */
    void showDesign(const DesignTarget* target, const Design* design);

private:
    /** The sides' table as wide as its columns, which follow the names and figures shown. */
    void fitSides();

    QLabel* m_caption;
    QTableWidget* m_sides;
    QTableWidget* m_sections;
};

} // namespace vorlan
