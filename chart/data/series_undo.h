#pragma once
// Undo records of a series' edits, made just before the edit and handed to the chart with
// TGraphContext::recordUndo:
//
//   graph.recordUndo(seriesLookRecord(series));   // then rename, recolour, restyle, hide or show
//   graph.recordUndo(pointDeletedRecord(series, k)); // then delete point k
//
// Each keeps only what the edit changes: one point record, or the series' look (name, colour,
// styles, marker settings, visibility, selection) with the points' markers as runs of equal ones.
#include "chart/data/graph_data.h"
#include "chart/data/graph_undo.h"
#include "chart/data/series.h"

#include <memory>
#include <vector>

namespace brelt::chart {

// Everything of a series but its points' coordinates: what the properties dialog, the marker
// dialog and the pop-up menu's hide and select change.
struct SeriesLookState {
    QString name;
    TColor color = clBlack;
    bool visible = true;
    bool selected = false;
    SeriesStyle style = SeriesStyle::Line;
    LineStyle lineStyle = LineStyle::Solid;
    int lineWidth = 1;
    TMarkerStyle markerStyle = TMarkerStyle::msNone;
    int markerSize = 4;
    TColor markerFillColor = clBlack;
    TColor markerPenColor = clBlack;
    int markerStep = 1;
    double barWidth = 0.7;
    bool penFollowsColor = true;
    // The points' own markers, first to last, as runs of equal ones (one run for a plotted curve).
    struct MarkerRun {
        std::optional<TMarker> marker;
        int count = 0;
        bool operator==(const MarkerRun&) const = default;
    };
    std::vector<MarkerRun> markers;

    static SeriesLookState of(const TSeries& series);
    // Puts the look back, the legend line following it.
    void applyTo(TSeries& series) const;
    bool operator==(const SeriesLookState&) const = default;
};

// Before a change of the series' look.
std::unique_ptr<UndoRecord> seriesLookRecord(const TSeries& series);
// Before point `index` is deleted.
std::unique_ptr<UndoRecord> pointDeletedRecord(const TSeries& series, int index);
// Before point `index` is dragged somewhere else.
std::unique_ptr<UndoRecord> pointMovedRecord(const TSeries& series, int index);

} // namespace brelt::chart
