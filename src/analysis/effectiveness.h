#pragma once

namespace vorlan {

/**
 * Effectiveness of a double-pipe exchanger from its number of transfer units ntu = U A / Cmin and
 * its capacity-rate ratio cr = Cmin / Cmax (0 <= cr <= 1):
 * - counter-current: (1 - exp(-ntu (1 - cr))) / (1 - cr exp(-ntu (1 - cr))), and ntu / (1 + ntu)
 *   in the limit cr = 1 (taken for |1 - cr| < 1e-9);
 * - co-current: (1 - exp(-ntu (1 + cr))) / (1 + cr).
 * Kays and London, Compact Heat Exchangers, 3rd ed. (1984), table 2-2; Incropera, Fundamentals of
 * Heat and Mass Transfer, 6th ed., table 11.3. Counter-current ntu = 5, cr = 0.7 gives 0.920670368605.
 */
double effectiveness(double ntu, double cr, bool counterCurrent);

} // namespace vorlan
