#pragma once

#include <QWidget>
#include <vector>

#include "analysis/warnings.h"

class QAction;
class QLabel;
class QPushButton;

namespace vorlan {

/**
 * The strip below the results: a banner line, hidden while it is empty, then the number of
 * warnings of the case with the most severe one and "Details..." to open the Details window. Its
 * height follows the banner.
 */
class WarningsStrip : public QWidget {
    Q_OBJECT

public:
    /** width: the window's. */
    WarningsStrip(int width, QWidget* parent);

    void setBanner(const QString& text);

    /** Shows the warnings' summary; "Details..." triggers details (disabled without one). */
    void showWarnings(const std::vector<Warning>& warnings, QAction* details);

    QLabel* banner() const { return m_banner; }
    QLabel* summary() const { return m_summary; }
    QPushButton* detailsButton() const { return m_details; }

signals:
    void heightChanged();

private:
    void layOut();

    QLabel* m_banner;
    QLabel* m_summary;
    QPushButton* m_details;
    QAction* m_detailsAction = nullptr;
};

} // namespace vorlan
