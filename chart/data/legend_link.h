#pragma once
// SeriesLegendEntry: the side of a series-legend line that a series talks to. The legend (in the
// chart view) owns its entries; a series only keeps a pointer to its entry. Whoever goes first
// tells the other: a dying series calls seriesDestroyed(), a legend that frees an entry calls
// TSeries::unlinkLegend().
#include "chart/data/color.h"
#include "chart/data/marker_style.h"

#include <QString>

namespace brelt::chart {

class TSeries;

// What a legend sample needs to look like its series.
struct SeriesLook {
    QString name;
    TColor color = clBlack;
    TMarkerStyle markerStyle = TMarkerStyle::msNone;
    TColor markerFillColor = clBlack;
    TColor markerPenColor = clBlack;
    int markerSize = 4;
    int seriesStyle = 2;
    int lineWidth = 1;
    int lineStyle = 0;
};

class SeriesLegendEntry {
public:
    virtual ~SeriesLegendEntry() = default;
    // Copies the series' look and records the series as the entry's owner of data.
    virtual void takeSeriesLook(TSeries& series, const SeriesLook& look) = 0;
    virtual void setEntryVisible(bool visible) = 0;
    virtual void seriesDestroyed() = 0;
};

} // namespace brelt::chart
