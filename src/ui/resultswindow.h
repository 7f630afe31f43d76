#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "analysis/warnings.h"

#include "calc/casefile.h"
#include "calc/resultrecord.h"

namespace Ui {
class Form3;
}

class QAction;
class QLabel;

namespace vorlan {

class WarningsStrip;

/**
 * The results of one solved case, internal and external side in two columns, and below them a
 * strip with an optional banner and the case's warnings. "Close" only hides it.
 */
class ResultsWindow : public QWidget {
    Q_OBJECT

public:
    explicit ResultsWindow(QWidget* parent = nullptr);
    ~ResultsWindow() override;

    /** Fills every value box from the record; does not show the window. */
    void Risultati(const ResultRecord& record);

    /** Sets the calculated values in italics, from the choices of the case solved; the given ones stay upright. */
    void markCalculated(const CaseContents& solved);

    /** True when the value box shows a calculated value. */
    bool isCalculated(const char* box) const;

    /** The standard pipes of the case, one line each, below the results; an empty text hides them. */
    void setStandardPipes(const QString& lines);

    /** A line above the warnings, in bold; an empty text hides it. */
    void setBanner(const QString& text);

    /** The number of warnings and the most severe one; "Details..." triggers details. */
    void showWarnings(const std::vector<Warning>& warnings, QAction* details);

    WarningsStrip* strip() const { return m_strip; }

private:
    void fitStrip();

    std::unique_ptr<Ui::Form3> m_ui;
    QLabel* m_pipes; ///< the standard pipes, between the sheet and the strip
    WarningsStrip* m_strip;
    QSize m_sheet; ///< the specified client area above the strip
};

} // namespace vorlan
