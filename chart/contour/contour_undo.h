#pragma once
// Undo records of the contour layer's edit actions. Each keeps what its click changed: the number
// of lines and labels before an added contour, the polylines and labels a deletion took out (with
// their places), or a label's former segment and visibility. The layer makes them itself.
#include "chart/data/graph_undo.h"

#include <memory>
#include <utility>
#include <vector>

namespace brelt::chart {

class TContour;
class TContourLabel;
struct ContourPolyline;

// What a deletion took out of the layer's lists, each with its index there.
struct ContourRemoval {
    std::vector<std::pair<std::size_t, std::unique_ptr<ContourPolyline>>> lines;
    std::vector<std::pair<std::size_t, std::unique_ptr<TContourLabel>>> labels;
};

// After a contour was added to lists that held `lines` polylines and `labels` labels.
std::unique_ptr<UndoRecord> contourAddedRecord(const TContour& contour, std::size_t lines,
                                               std::size_t labels);
// After a deletion: the record keeps what was taken out.
std::unique_ptr<UndoRecord> contourDeletedRecord(const TContour& contour, ContourRemoval removed);
// Before the label of `line` is moved, shown or hidden.
std::unique_ptr<UndoRecord> contourLabelRecord(const TContour& contour, const ContourPolyline& line);

} // namespace brelt::chart
