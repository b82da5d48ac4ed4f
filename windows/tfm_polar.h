#pragma once
// TfmPolar, the polar plot window ("Polar"): the chart control showing a polar chart, whose data
// grid the polar tabulation fills two columns a curve at a time. The grid starts empty.
#include "windows/vt_chart_window.h"

namespace brelt::windows {

class TfmPolar final : public TVtChartWindow {
    Q_OBJECT
public:
    explicit TfmPolar(chart::SettingsStore* settings, QWidget* parent = nullptr);
};

} // namespace brelt::windows
