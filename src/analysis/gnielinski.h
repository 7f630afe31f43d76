#pragma once

namespace vorlan {

// Mean Nusselt numbers after Gnielinski, VDI Heat Atlas, 2nd ed. (Springer 2010), chapters G1
// (tubes) and G2 (concentric annuli), for constant wall temperature and without the correction for
// the variation of properties, so that they compare with other correlations at the same bulk
// properties. Re on the tube diameter or the annulus hydraulic diameter d_h = D_i - d_o; Pr the
// bulk Prandtl number; dOverL the diameter over the length; a = d_o / D_i the diameter ratio of
// the annulus (outside diameter of the inner pipe over the inside diameter of the outer one).

/** Konakov's friction factor for smooth tubes, (1.8 log10 Re - 1.5)^-2 (VDI G1 eq. 27); Re >= 10^4. */
double konakovFriction(double Re);

/**
 * Laminar tube, thermally and hydrodynamically developing flow (VDI G1 eqs. 4, 5, 12):
 * Nu = [3.66^3 + 0.7^3 + (1.615 (Re Pr d/L)^(1/3) - 0.7)^3 + ((2 / (1 + 22 Pr))^(1/6) (Re Pr d/L)^(1/2))^3]^(1/3).
 * Valid for Re < 2300.
 */
double gnielinskiTubeLaminar(double Re, double Pr, double dOverL);

/**
 * Turbulent tube (Gnielinski 1976 in the form of VDI G1 eq. 26):
 * Nu = (xi/8) Re Pr / (1 + 12.7 sqrt(xi/8) (Pr^(2/3) - 1)) [1 + (d/L)^(2/3)], xi = konakovFriction(Re).
 * Valid for 10^4 <= Re <= 10^6, 0.1 <= Pr <= 1000, d/L <= 1.
 */
double gnielinskiTubeTurbulent(double Re, double Pr, double dOverL);

/**
 * Laminar annulus, heat transferred at the inner pipe with the outer pipe insulated (VDI G2 eqs. 1-5):
 * Nu1 = 3.66 + 1.2 a^-0.8, Nu2 = 1.615 (1 + 0.14 a^-0.5) (Re Pr d_h/L)^(1/3),
 * Nu3 = (2 / (1 + 22 Pr))^(1/6) (Re Pr d_h/L)^(1/2), Nu = (Nu1^3 + Nu2^3 + Nu3^3)^(1/3). Re < 2300, 0 < a < 1.
 */
double gnielinskiAnnulusLaminar(double Re, double Pr, double dhOverL, double a);

/**
 * Turbulent annulus (Gnielinski, Heat Transfer Engineering 30 (2009) 431-436; VDI G2 eqs. 6-11):
 * Re* = Re [(1 + a^2) ln a + (1 - a^2)] / [(1 - a)^2 ln a], xi = (1.8 log10 Re* - 1.5)^-2,
 * k1 = 1.07 + 900 / Re - 0.63 / (1 + 10 Pr), F_ann = 0.75 a^-0.17 (inner wall heated, outer insulated),
 * Nu = (xi/8) Re Pr / (k1 + 12.7 sqrt(xi/8) (Pr^(2/3) - 1)) [1 + (d_h/L)^(2/3)] F_ann.
 * Valid for 10^4 <= Re <= 10^6, 0.6 <= Pr <= 1000, 0 < a < 1.
 */
double gnielinskiAnnulusTurbulent(double Re, double Pr, double dhOverL, double a);

/**
 * The tube and annulus rules over every Reynolds number: laminar below 2300, turbulent from 10^4,
 * and between them the linear blend Nu = (1 - g) Nu_lam(2300) + g Nu_turb(10^4), g = (Re - 2300) / 7700
 * (VDI G1 eq. 30, G2 likewise).
 */
double gnielinskiTube(double Re, double Pr, double dOverL);
double gnielinskiAnnulus(double Re, double Pr, double dhOverL, double a);

} // namespace vorlan
