#pragma once

#include <string>

class QComboBox;

namespace vorlan {

/**
 * Adds "Fluid information..." to the context menu of an editable fluid box: it opens the
 * "Fluid information" view of the fluid the box names, plotted at the pressure its side's pressure
 * box holds. Each box has one view, which every request fills again; it goes with the box's window.
 */
void offerFluidInformation(QComboBox* fluidBox, QComboBox* pressureBox, const std::string& dataFolder);

} // namespace vorlan
