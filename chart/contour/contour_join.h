#pragma once
// Joining the traced pieces of one level into polylines. The rules, for each piece P in tracing
// order (tolerance in each coordinate, see JoinTolerance):
//  1. a piece whose two ends meet is dropped;
//  2. P is compared with the level's polylines N in list order: P is discarded (a grid edge that
//     two neighbouring cells both produced) when N's ends and P's ends all have the same X, exact,
//     and P's two Y lie within N's closed Y span, or the same with X and Y exchanged; else P joins
//     the first N one of whose ends meets one of P's, the pairings tried in the order N.start-P.start,
//     N.end-P.start, N.start-P.end, N.end-P.end; without any, P is appended as a new polyline;
//  3. on a join P's points are attached at N's matching end (reversed where the pairing needs it,
//     P's own meeting point left out), N's end moves to P's far end, and N keeps the label segment
//     of smaller gradient (its own on a tie);
//  4. the grown polyline is taken out of the list and joined again the same way (without the
//     discard test) until it meets nothing; then it is appended at the end of the list.
// Only polylines of the same level meet, and a grown polyline is never discarded: contours of
// different levels stay apart, and a whole contour is never lost to the edge test.
//
// The list-walking form of these rules costs the square of the number of pieces; this one keeps
// the open ends in a hash of tolerance cells and the list order as sequence numbers, and the
// chains as linked points, so it takes time in proportion to the pieces and gives the same
// polylines, in the same order.
#include "chart/contour/contour_types.h"

#include <memory>
#include <vector>

namespace brelt::chart {

// Joins level after level, keeping its working memory between them.
class ContourJoiner {
public:
    ContourJoiner();
    ~ContourJoiner();
    ContourJoiner(const ContourJoiner&) = delete;
    ContourJoiner& operator=(const ContourJoiner&) = delete;

    std::vector<ContourPolyline> join(const std::vector<ContourSegment>& pieces, double level,
                                      const JoinTolerance& tolerance);

private:
    class LevelJoiner;
    std::unique_ptr<LevelJoiner> m_impl;
};

// One level with a joiner of its own.
std::vector<ContourPolyline> joinPieces(const std::vector<ContourSegment>& pieces, double level,
                                        const JoinTolerance& tolerance);

} // namespace brelt::chart
