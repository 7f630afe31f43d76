#pragma once

#include <QString>

#include "studies/designsearch.h"

namespace vorlan {

// The streams of a design. A stream is indexed as the case holds it: 0 the case's internal stream,
// 1 its external one; a swapped design puts each on the other exchanger side.

/** The side of the solved arrangement the stream flows on. */
const NetworkSide& sideOf(const HairpinNetwork& network, const DesignCandidate& candidate, int stream);

/** The stream in headings: its fluid, with the case's side when both streams are of the same fluid. */
QString streamName(const DesignTarget& target, int stream);

} // namespace vorlan
