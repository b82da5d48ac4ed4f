#pragma once
// The printed page's geometry as plain values: the page settings kept in the settings file
// (section "Print": unit and margins; section "LOGO": which label blocks print), the margins shown
// in millimetres or tenths of an inch, and where the printable area, the label slots and the
// chart lie on a page of a given size and resolution. No widgets: the dialog, the preview, the
// printer and the command line all use these.
//
// Rectangles follow the chart's convention: right() and bottom() are the edge coordinates
// themselves (a page of width W has right() == W), as TGraph::DrawOn takes its area.
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace brelt::chart {

class SettingsStore;

// How the margin edits show the margins; the settings always hold millimetres.
enum class MarginUnit { Millimetres, TenthsOfInch };

struct PageSettings {
    double unitFactor = 25.4; // "Units": 25.4 shows millimetres, a factor below 10 tenths of an inch
    int left = 25;            // margins in millimetres
    int right = 20;
    int top = 10;
    int bottom = 10;
    bool owner = false;   // "Company Logo" block
    bool project = false; // "Project Title" block
    bool comment = false; // the comment block
    bool borders = false; // the rectangle around the printable area is black (else white)

    MarginUnit unit() const { return unitFactor < 10 ? MarginUnit::TenthsOfInch : MarginUnit::Millimetres; }
    void setUnit(MarginUnit unit) { unitFactor = unit == MarginUnit::TenthsOfInch ? 2.54 : 25.4; }
    bool operator==(const PageSettings&) const = default;
};

// Reads "Print" and "LOGO"; missing or unreadable keys keep the defaults, negative margins read 0.
PageSettings loadPageSettings(const SettingsStore& store);
// "Print": "Units", "Left", "Right", "Top", "Bottom", "Borders".
void savePageMargins(SettingsStore& store, const PageSettings& settings);
// "LOGO": "Owner LOGO", "Project LOGO", "Comment LOGO".
void saveLabelChoices(SettingsStore& store, const PageSettings& settings);

// A margin in millimetres as the edits show it: unchanged, or round(0.3937 × mm) tenths of an inch.
int displayFromMm(int mm, MarginUnit unit);
// An edit's value back to millimetres: unchanged, or round(tenths × 2.54).
int mmFromDisplay(int value, MarginUnit unit);
// Switching the unit converts an edit's value: × 10 / 25.4 to tenths, × 25.4 / 10 back, rounded.
int convertDisplay(int value, MarginUnit from, MarginUnit to);
// A margin for the eye: "25 mm" or "1.0 in".
QString marginText(int mm, MarginUnit unit);

// 2 + company logo + comment − (project title not checked): the "System LOGO" block always prints.
int labelBlockCount(bool owner, bool project, bool comment);

// Which block a slot holds, in print order.
enum class LabelSlot { System, Owner, Project, Comment };

struct PageGeometry {
    double pixelsPerMm = 0;
    QRect page;        // (0, 0) to (width, height)
    QRect printable;   // inside the margins
    int rowHeight = 0; // one label row: 15 mm
    int labelRows = 0; // rows reserved under the chart: 1, or 2 from three blocks on
    std::vector<LabelSlot> blocks;
    std::vector<QRect> slotRects; // one per block, same order
    QRect chart;                  // where the chart is drawn
    bool fits = false;            // the chart has at least kMinChartMm each way
};

inline constexpr int kLabelRowMm = 15;
inline constexpr int kMinChartMm = 20;

// The geometry of a page of `pagePixels` at `dpiX` pixels per inch. The lowest row holds one block
// across the whole width or two side by side; further blocks go in the row above.
PageGeometry pageGeometry(QSize pagePixels, double dpiX, const PageSettings& settings);

} // namespace brelt::chart
