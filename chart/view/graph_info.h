#pragma once
// TGraphInfo: the information bubble. It keeps the points the user picked (series, X and Y at the
// pick, linear even on logarithmic axes, point index) and draws one bubble per pick with the
// series' name and the values, at Position relative to the point. A press on a bubble removes it.
#include "chart/data/layer.h"
#include "chart/view/chart_font.h"

#include <QRect>
#include <vector>

namespace brelt::chart {

enum class TInfoStyle { isRoundRect, isRectangle, isNoBubble };
enum class TInfoPos { ipRightTop, ipTopCenter, ipLeftTop, ipRightBottom, ipBottomCenter, ipLeftBottom };

struct TInfoLocation {
    const TLayer* series = nullptr; // may have been deleted since: checked against the chart
    double x = 0;
    double y = 0;
    int index = -1;
};

class TGraphInfo : public TLayer {
public:
    explicit TGraphInfo(TGraphContext* graph);

    QString className() const override { return QStringLiteral("TGraphInfo"); }
    void Clear() override { m_locations.clear(); }
    void Draw() override;
    int Count() const override { return static_cast<int>(m_locations.size()); }
    bool MouseDown(int x, int y, MouseButton button, ShiftState shift) override;

    void addLocation(const TInfoLocation& location) { m_locations.push_back(location); }
    const std::vector<TInfoLocation>& locations() const { return m_locations; }
    // The bubble rectangle of location i as last drawn.
    QRect bubbleRect(int index) const;
    QStringList bubbleLines(const TInfoLocation& location) const;

    TInfoStyle Style = TInfoStyle::isRoundRect;
    TInfoPos Position = TInfoPos::ipRightTop;
    TColor Color = 10940137;
    TChartFont Font;

private:
    bool seriesAlive(const TLayer* series) const;

    std::vector<TInfoLocation> m_locations;
    std::vector<QRect> m_rects;
};

} // namespace brelt::chart
