#pragma once
// The joining rules walked literally: every piece is compared with the polylines of the list in
// order, a grown polyline is taken out and joined again from the head. Its cost is the square of
// the pieces; the production joiner must give exactly what this one gives.
#include "chart/contour/contour_types.h"

#include <vector>

namespace brelt::chart::test {

std::vector<ContourPolyline> referenceJoin(const std::vector<ContourSegment>& pieces, double level,
                                           const JoinTolerance& tolerance);

} // namespace brelt::chart::test
