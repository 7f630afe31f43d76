#pragma once

#include <QWidget>
#include <memory>

#include "calc/casefile.h"
#include "calc/resultrecord.h"

namespace Ui {
class Form3;
}

namespace vorlan {

/** The results of one solved case, internal and external side in two columns. "Close" only hides it. */
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

private:
    std::unique_ptr<Ui::Form3> m_ui;
};

} // namespace vorlan
