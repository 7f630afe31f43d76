#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "properties/pipecatalogue.h"
#include "studies/designsearch.h"
#include "ui/messagehandler.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vorlan {

/**
 * The constraints of the Design window, each labelled in words with its unit: the allowed pressure
 * drop of each stream, the leg length (in m or ft, the usual 12, 15 and 20 ft offered), the
 * velocity ranges, the pipe standards to try (one box per standard of the catalogue), the most
 * parallel banks and hairpins, and whether to estimate the purchase cost.
 */
class DesignConstraintsForm : public QWidget {
    Q_OBJECT

public:
    explicit DesignConstraintsForm(const std::vector<StandardPipe>& catalogue, QWidget* parent = nullptr);

    /** Names the streams in the pressure-drop labels: the case's internal fluid, then its external one. */
    void nameStreams(const std::array<std::string, 2>& fluids);
    /**
     * Reads the boxes; a box that is not a number, or out of its range, is shown as a message naming
     * it, and false is returned.
     */
    bool read(DesignConstraints& constraints, const MessageHandler& showMessage) const;

private:
    void changeLegUnit();

    std::array<QLabel*, 2> m_dropLabels;
    std::array<QLineEdit*, 2> m_drops;
    QComboBox* m_leg;
    QComboBox* m_legUnit;
    std::array<QLineEdit*, 6> m_velocities; // low and high of liquid in the pipe, in the annulus, gas
    std::vector<QCheckBox*> m_standards;
    QSpinBox* m_banks;
    QSpinBox* m_hairpins;
    QCheckBox* m_cost;
    bool m_legInFeet = true;
};

} // namespace vorlan
