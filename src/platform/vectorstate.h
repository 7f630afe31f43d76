#pragma once

namespace vorlan {

/**
 * Marks the upper halves of the x86-64 AVX registers unused (vzeroupper), where the processor has
 * them. Code that ran earlier in the thread may leave them in use, as Qt's start-up does; until
 * they are cleared, the calculation's SSE instructions (it is built for the baseline instruction
 * set) each depend on them, and a calculation took three times as long in a Qt program. No value
 * changes: SSE code never reads those halves. Does nothing on other processors.
 */
void clearUpperVectorState();

} // namespace vorlan
