#pragma once

#include <string>

#include "correlations/configuration.h"

namespace vorlan {

/** The 28 results of a calculation that the results window shows, in its order. */
struct ResultRecord {
    float q = 0; ///< duty [kW]
    float A = 0; ///< heat-transfer surface, outside of the internal pipe [m^2]
    float L = 0; ///< exchanger length [m]
    float U = 0; ///< overall heat-transfer coefficient [W/(m^2 K)]
    Configuration configuration = Configuration::Countercurrent;
    float deti = 0; ///< internal pipe outside diameter as typed [mm]
    float spi = 0; ///< internal pipe wall thickness as typed [mm]
    float dete = 0; ///< external pipe outside diameter as typed [mm]
    float spe = 0; ///< external pipe wall thickness as typed [mm]
    std::string mat; ///< pipe material
    std::string intfluid; ///< internal fluid
    std::string estfluid; ///< external fluid
    float intpress = 0; ///< internal pressure [bar]
    float estpress = 0; ///< external pressure [bar]
    double intTin = 0; ///< [degC]
    double intTout = 0; ///< [degC]
    double estTin = 0; ///< [degC]
    double estTout = 0; ///< [degC]
    float intPort = 0; ///< internal mass flow [kg/s]
    float estPort = 0; ///< external mass flow [kg/s]
    float intVel = 0; ///< mean velocity in the internal pipe [m/s]
    float estVel = 0; ///< mean velocity in the annulus [m/s]
    float intDeltaP = 0; ///< pressure drop in the internal pipe [kPa]
    float estDeltaP = 0; ///< pressure drop in the annulus [kPa]
    double intSporc = 0; ///< internal fouling factor [(m^2 K)/W]
    double estSporc = 0; ///< external fouling factor [(m^2 K)/W]
    double Rei = 0; ///< Reynolds number in the internal pipe
    double Ree = 0; ///< Reynolds number in the annulus, on its hydraulic diameter
};

} // namespace vorlan
