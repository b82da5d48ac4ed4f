#pragma once
// TGraph: the chart's drawing engine. It owns the layers (drawn first to last), the two axes, the
// zoom, the series and colour legends, title and foot, frame, gradient, picture and information
// bubble, and draws all of them onto the current canvas: its own screen bitmap, or any other
// paint device (printer page, SVG, PDF) handed to DrawTo. Ranges are in axis space (decimal
// logarithms on a logarithmic axis); pixel y grows downwards. Draw is never re-entered.
//
// A screen drawing lets pending messages run between its layers (and the colour shade inside its
// layer); a message may clear the chart or add and remove layers meanwhile. The drawing then skips
// the layers that left, layers freed by Clear or ClearLayers live on until it ends, and a Draw
// asked for meanwhile runs once the drawing has ended.
#include "chart/data/graph_context.h"
#include "chart/data/layer.h"
#include "chart/view/chart_font.h"
#include "chart/view/graph_parts.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPaintDevice;

namespace brelt::chart {

class TLayer;
class TAxis;
class TXAxis;
class TYAxis;
class TZoom;
class TWLegend;
class TColorLegend;
class TGraphTitle;
class TGraphInfo;
class TContour;
class TGraphAnnotate;
class TGraphUndo;
class SettingsStore;
class ChartTextReader;
class ChartTextWriter;

// What the surface is being drawn for: some steps paint differently on paper and in files.
// Picture: a vector file (SVG, PDF) with black text; Bitmap: a PNG or BMP file or the clipboard's
// bitmap, drawn apart from the screen image with the screen's colours.
enum class OutputKind { Screen, Printer, Preview, Picture, Bitmap };

// The control around the engine: status-bar panels, the cursor, the pop-up menu, message pumping.
// TPlot implements it; a bare engine (tests, the command line) has none.
class ChartHost {
public:
    virtual ~ChartHost() = default;
    virtual void setStatusPanel(int index, const QString& text, int width) = 0;
    virtual void setChartCursor(ChartCursor cursor) = 0;
    virtual void processEvents() {}
    virtual void imageChanged() {}
    virtual void popupChartMenu(int x, int y) { (void)x, (void)y; }
    // The pop-up menu of a layer that took a right-button press (its CreateMenu items).
    virtual void popupLayerMenu(TLayer& layer, int x, int y) { (void)layer, (void)x, (void)y; }
    virtual void showProperties() {}
};

class TGraph : public TGraphContext {
public:
    using GraphEvent = std::function<void(TGraph&)>;

    TGraph();
    ~TGraph() override;
    TGraph(const TGraph&) = delete;
    TGraph& operator=(const TGraph&) = delete;

    // Engine slots.
    virtual void Draw();
    virtual void Layout();
    // Reads layer blocks; a block that cannot be read is reported and loading goes on. The notes of
    // a "TGraphAnnotate" block join the chart's own annotation layer.
    virtual void LoadFromText(ChartTextReader& reader);
    // Writes the layers, then the annotation layer's block when it holds notes.
    void SaveToText(ChartTextWriter& writer) const;
    // Union over the visible layers that have points, in data values.
    virtual Extents GetExtents() const;
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    // A double press edits the note under it; true when there was one.
    bool DoubleClick(int x, int y);
    // Keys the chart's content takes (Delete removes the selected note); true when used.
    bool KeyDown(int key);

    // Draws the whole chart onto another device (printer page, SVG, PDF, a picture's bitmap) over
    // `area`, every size of the screen look grown by `sizeFactor`: font points, the scale unit (and
    // with it tick lengths, wide frames, the legend's shadow, marker margins), line widths, marker
    // sizes and fixed gaps. Sizes the device itself grows (points on a printer page) grow further.
    // The screen image and its layout are left as they were.
    void DrawTo(QPaintDevice& device, const QRect& area, OutputKind kind, double sizeFactor = 1.0);
    // The same on a painter that is already open (a printed page also holds label blocks and a
    // border); the painter's state is kept.
    void DrawOn(QPainter& painter, const QRect& area, OutputKind kind, double sizeFactor = 1.0);
    // The screen bitmap; a new size makes a new bitmap (drawn by the next Draw).
    const QImage& image() const { return m_image; }
    void SetImageSize(const QSize& size);
    // Paints over the screen bitmap as the last Draw left it, with its canvas, layout and measures
    // (an axis with its grid laid over the picture at once); nothing while a drawing runs.
    void paintOver(const GraphEvent& paint);

    // Layers, owned by the engine.
    TLayer* AddLayer(std::unique_ptr<TLayer> layer);
    std::unique_ptr<TLayer> DeleteLayer(int index); // removes without freeing: the caller owns it
    void ClearLayers();                             // during a drawing the layers are freed when it ends
    bool holdsLayer(const TLayer* layer) const;
    int LayerCount() const override { return static_cast<int>(m_layers.size()); }
    TLayer* Layers(int index) const override;

    // Ranges and transforms.
    void SetRanges(double left, double bottom, double right, double top);
    void SetRanges(const ChartRanges& r) { SetRanges(r.left, r.bottom, r.right, r.top); }
    ChartRanges ranges() const override { return m_ranges; }
    ChartRanges homeRanges() const { return m_homeRanges; }
    QRect homePlotRect() const { return m_homePlotRect; }
    void saveHomeRanges(); // the ranges and plot rectangle before the first zoom
    // Range ends written back by an axis after rounding; no layout.
    void setXRange(double left, double right) { m_ranges.left = left, m_ranges.right = right; }
    void setYRange(double bottom, double top) { m_ranges.bottom = bottom, m_ranges.top = top; }
    QRect GetPlotRect() const override { return m_plotRect; }
    QRect wholeArea() const { return m_wholeArea; }
    void setWholeArea(const QRect& area) { m_wholeArea = area; }
    int XToPixel(double x) const override;
    int YToPixel(double y) const override;
    double PixelToX(int px) const override;
    double PixelToY(int py) const override;
    void computeTransform(); // from the plot rectangle and the ranges (Layout step 10)
    bool xAxisLog() const override;
    bool yAxisLog() const override;
    double minLogValue() const override { return m_minLogValue; }
    void SetMinLogValue(double v) { m_minLogValue = v > 0 ? v : 1e-10; }
    bool zoomInForce() const;

    // Drawing state.
    QPainter* canvas() const override { return m_canvas; }
    int scaleUnit() const override { return m_scaleUnit; }
    double sizeFactor() const override { return m_sizeFactor; }
    QPointF toPixelF(double x, double y) const override;
    // `units` scale units in pixels, without rounding the unit first (tick lengths).
    int unitsToPixels(double units) const;
    int scaledPixels(double pixels) const;
    int penPixels(int width) const;
    QFont chartFont() const override { return m_font.toQFont(); }
    int depth3D() const override { return m_depth3D; }
    bool isPrinting() const override { return m_output == OutputKind::Printer; }
    bool isPreviewing() const { return m_output == OutputKind::Preview; }
    OutputKind outputKind() const { return m_output; }
    // Labels and axis pens are black on paper and in vector picture files.
    bool monochromeText() const {
        return m_output == OutputKind::Printer || m_output == OutputKind::Preview ||
               m_output == OutputKind::Picture;
    }
    bool isDrawing() const override { return m_drawing; }
    TColor plotAreaColor() const override { return m_color; }
    int framePixelWidth() const;
    // Text sizes on the current canvas (or the screen bitmap outside Draw).
    int textHeight(const QFont& font, const QString& text) const;
    int textWidth(const QFont& font, const QString& text) const;

    // Published properties.
    TColor Color() const { return m_color; }
    void SetColor(TColor c) { m_color = c; }
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor c) { m_backColor = c; }
    // Curves, legend samples and markers smoothed between pixels; off gives the sharp stepped look.
    bool Antialiased() const { return m_antialiased; }
    void SetAntialiased(bool v) { m_antialiased = v; }
    bool ClipMarkers() const { return m_clipMarkers; }
    void SetClipMarkers(bool v) { m_clipMarkers = v; }
    double Exaggerate() const { return m_exaggerate; }
    void SetExaggerate(double v) { m_exaggerate = v >= 0 ? v : 0; }
    bool Animated() const { return m_animated; }
    void SetAnimated(bool v) { m_animated = v; }
    double View3D() const { return m_view3D; }
    void SetView3D(double v); // applies SetTicks3D / SetTicks2D
    BarMode barMode() const override { return m_barMode; }
    void SetBarMode(BarMode mode) { m_barMode = mode; }
    TColor FreeColor() const override;
    TMarkerStyle FreeMarker() const override;
    int MaxMarkerSize() const;
    void SetTicks3D();
    void SetTicks2D();

    // Parts.
    TXAxis& XAxis() { return *m_xAxis; }
    TYAxis& YAxis() { return *m_yAxis; }
    const TXAxis& XAxis() const { return *m_xAxis; }
    const TYAxis& YAxis() const { return *m_yAxis; }
    TZoom& Zoom() { return *m_zoom; }
    const TZoom& Zoom() const { return *m_zoom; }
    TWLegend& Legend() { return *m_legend; }
    const TWLegend& Legend() const { return *m_legend; }
    TColorLegend& ColorLegend() { return *m_colorLegend; }
    TGraphTitle& Title() { return *m_title; }
    TGraphTitle& Foot() { return *m_foot; }
    const TGraphTitle& Title() const { return *m_title; }
    const TGraphTitle& Foot() const { return *m_foot; }
    TGraphInfo& Info() { return *m_info; }
    // The chart's notes and arrows, drawn after the layers (step 14 of Draw).
    TGraphAnnotate& Annotations() { return *m_annotate; }
    const TGraphAnnotate& Annotations() const { return *m_annotate; }
    // The undo store of the chart's content edits.
    TGraphUndo& UndoStore() { return *m_undo; }
    TGraphUndo* undoStore() const override { return m_undo.get(); }
    // Undoes the newest edit that still applies and redraws; false when there was none.
    bool Undo();
    TGraphFrame& Frame() { return m_frame; }
    TGraphGradient& Gradient() { return m_gradient; }
    TGraphPicture& Picture() { return m_picture; }
    const TGraphFrame& Frame() const { return m_frame; }
    const TGraphGradient& Gradient() const { return m_gradient; }

    // Frees all layers (when a drawing ends, if one runs), clears both legends, the notes, the undo
    // steps and the custom labels of both axes.
    void Clear();

    void setHost(ChartHost* host) { m_host = host; }
    ChartHost* host() const { return m_host; }
    void setBeforeDraw(GraphEvent e) { m_beforeDraw = std::move(e); }
    void setAfterDraw(GraphEvent e) { m_afterDraw = std::move(e); }

    // Settings in `section` (owner window's name + chart name); see chart/view/graph_settings.cpp.
    void SaveSettings(SettingsStore& store, const QString& section) const;
    void LoadSettings(const SettingsStore& store, const QString& section);

    // Drawing-exchange export: the chart draws once (onto a scratch picture) with `sink` receiving
    // every line segment its series draw, in world coordinates.
    void DrawToDxf(DxfSink& sink);
    DxfSink* dxfSink() const override { return m_dxfSink; }
    // The data editor the windows install for a series' "Edit data" (true when the user accepted);
    // without one the command does nothing.
    void setSeriesEditor(std::function<bool(TSeries&)> editor) { m_seriesEditor = std::move(editor); }
    bool editSeriesData(TSeries& series) override { return m_seriesEditor && m_seriesEditor(series); }

    // TGraphContext services.
    void processPendingEvents() override {
        if (m_host && !m_animated && m_output == OutputKind::Screen) runMessages();
    }
    void Redraw() override { Draw(); }
    void showError(const QString& text) override;
    SeriesLegendEntry* addLineLegend(TSeries& series) override;
    void showInfo(TSeries& series, int index) override;
    void setCursor(ChartCursor cursor) override;
    void showLayerProperties(TLayer& layer) override;

    // What the layout and the margins need to know of an axis (read through the axis objects).
    struct AxisFacts {
        bool visible = true;
        bool log = false;
        bool invert = false;
        bool autoMin = true;
        bool autoMax = true;
        double minimum = 123454321.0;
        double maximum = 123454321.0;
        QString name;
        QFont labelFont;
        QFont nameFont;
        bool ticksOut = true;
        int majorLength = 8;
        int decimals = 1;
    };
    AxisFacts xFacts() const;
    AxisFacts yFacts() const;

private:
    void drawSteps();
    void drawScreen();
    void layersChanged(); // a running drawing is followed by another
    void runMessages();   // pending messages run; a Draw they ask for follows this one
    void retireLayers();  // the layers leave the chart; freed now or when the drawing ends
    void updateAxes();    // both axes recompute their ticks from the ranges
    void drawAxes();
    void switchOffYAutoMin();
    void clearAxisLabels();
    void createAxesAndZoom();
    bool zoomMouseDown(MouseButton button, int x, int y);
    bool zoomMouseMove(int x, int y);
    bool zoomMouseUp(int x, int y);
    bool zoomEnabled() const;
    bool zoomDragging() const;
    void computeRanges();
    void applyMarkerMargins();
    void drawBackground();
    void drawFrame();
    void drawPicture();
    void setLayerClip();
    bool overSeriesLegend(int x, int y) const;
    void updateStatus(int x, int y);
    const TContour* firstContour() const; // the contour map whose value the status bar reads out
    void measureScaleUnit();

    QPainter* m_canvas = nullptr;
    QImage m_image;
    QRect m_wholeArea{0, 0, 1, 1};
    QRect m_plotRect{0, 0, 1, 1};
    ChartRanges m_ranges;
    ChartRanges m_homeRanges;
    QRect m_homePlotRect;
    long double m_kx = 1, m_bx = 0, m_ky = -1, m_by = 0;
    int m_depth3D = 0;
    int m_scaleUnit = 1;
    double m_unitOne = 1.0; // the scale unit on this canvas at size factor 1
    double m_sizeFactor = 1.0;
    TChartFont m_font;
    OutputKind m_output = OutputKind::Screen;

    TColor m_color = clWhite;
    TColor m_backColor = clBtnFace;
    bool m_clipMarkers = false;
    bool m_antialiased = true;
    double m_exaggerate = 0;
    double m_minLogValue = 1e-10;
    bool m_animated = false;
    double m_view3D = 0;
    BarMode m_barMode = BarMode::Clustered;
    bool m_drawing = false;
    bool m_legendDragging = false;
    QPoint m_dragOffset;

    std::vector<std::unique_ptr<TLayer>> m_layers;
    std::vector<std::unique_ptr<TLayer>> m_retired; // left the chart during a drawing
    bool m_redrawWanted = false;                    // a Draw asked for by messages during a drawing
    bool m_inMessages = false;                      // messages run from inside the drawing
    std::unique_ptr<TXAxis> m_xAxis;
    std::unique_ptr<TYAxis> m_yAxis;
    std::unique_ptr<TZoom> m_zoom;
    std::unique_ptr<TWLegend> m_legend;
    std::unique_ptr<TColorLegend> m_colorLegend;
    std::unique_ptr<TGraphTitle> m_title;
    std::unique_ptr<TGraphTitle> m_foot;
    std::unique_ptr<TGraphInfo> m_info;
    std::unique_ptr<TGraphAnnotate> m_annotate;
    std::unique_ptr<TGraphUndo> m_undo;
    TGraphFrame m_frame;
    TGraphGradient m_gradient;
    TGraphPicture m_picture;

    ChartHost* m_host = nullptr;
    GraphEvent m_beforeDraw;
    GraphEvent m_afterDraw;
    DxfSink* m_dxfSink = nullptr; // set only while DrawToDxf runs
    std::function<bool(TSeries&)> m_seriesEditor;
};

} // namespace brelt::chart
