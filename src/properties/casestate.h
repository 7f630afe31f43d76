#pragma once

namespace vorlan {

/**
 * The calculation variables of a case: geometry, flows, fouling and the selected pipe material.
 * Lengths in metres, areas in m^2, flows in kg/s; cleared at the start of every calculation except
 * pigreco.
 */
struct CaseState {
    float diti = 0; ///< internal pipe inside diameter
    float deti = 0; ///< internal pipe outside diameter
    float dite = 0; ///< external pipe inside diameter
    float dhe = 0; ///< hydraulic diameter of the annulus
    float L = 0; ///< exchanger length
    float intArea = 0; ///< flow area of the internal pipe
    float estArea = 0; ///< flow area of the annulus
    float pigreco = 0; ///< the value of pi used for every area and surface
    float intPort = 0; ///< internal mass flow
    float estPort = 0; ///< external mass flow
    double intSporc = 0; ///< internal fouling factor [(m^2 K)/W]
    double estSporc = 0; ///< external fouling factor [(m^2 K)/W]
    float wallK = 0; ///< wall conductivity of the selected material [W/(m K)]
    double wallRough = 0; ///< absolute roughness of the selected material [m]
};

} // namespace vorlan
