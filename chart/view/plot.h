#pragma once
// TPlot: the chart control a window places on its surface. It shows the engine's bitmap, owns the
// engine (TGraph), a status bar with the cursor read-out, and the wrappers through which the window
// and the settings reach the engine's parts. Mouse events go to the engine first, then to the
// OnMouse* handlers. Property writes do not redraw: the owner calls Redraw after its changes.
#include "chart/view/graph.h"
#include "chart/view/plot_wrappers.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QStatusBar;

namespace brelt::chart {

class ChartImage;

class TPlot : public QWidget, public ChartHost {
    Q_OBJECT
public:
    explicit TPlot(QWidget* parent = nullptr);
    ~TPlot() override;

    TGraph& graph() { return *m_graph; }

    // Operations used by the windows and the calculator.
    void Redraw();
    void Repaint();
    void ShowProperties();
    // The print dialog with preview on this chart, page settings through `store`; then a redraw.
    void Print(SettingsStore& store);
    // The same with page settings kept only while the program runs.
    void Print();
    // The save dialog, the overwrite question, then the picture in the chosen format. Returns the
    // file written, or an empty text when the user cancelled.
    QString SaveAs();
    void CopyToClipboard();
    void ZoomIn();
    void ZoomOut();
    bool ZoomPrevious();
    void SwitchAnimatedZoom();
    void Clear();
    TLayer* AddContour(std::unique_ptr<TLayer> contour);
    void SetTicks3D() { m_graph->SetTicks3D(); }
    void SetTicks2D() { m_graph->SetTicks2D(); }
    // Persistence through the store; the section is the owner window's name + this chart's name.
    void SaveSettings(SettingsStore& store) const;
    void LoadSettings(const SettingsStore& store);
    QString settingsSection() const;
    TColor FreeColor() const { return m_graph->FreeColor(); }
    TMarkerStyle FreeMarker() const { return m_graph->FreeMarker(); }

    // Published properties.
    QString IniFileName() const { return m_iniFileName; }
    void SetIniFileName(const QString& name) { m_iniFileName = name; }
    TColor Color() const { return m_graph->Color(); }
    void SetColor(TColor c) { m_graph->SetColor(c); }
    TColor BackColor() const { return m_graph->BackColor(); }
    void SetBackColor(TColor c) { m_graph->SetBackColor(c); }
    double Exaggerate() const { return m_graph->Exaggerate(); }
    void SetExaggerate(double v) { m_graph->SetExaggerate(v); }
    bool Antialiased() const { return m_graph->Antialiased(); }
    void SetAntialiased(bool v) { m_graph->SetAntialiased(v); }
    bool ClipMarkers() const { return m_graph->ClipMarkers(); }
    void SetClipMarkers(bool v) { m_graph->SetClipMarkers(v); }
    bool Animated() const { return m_graph->Animated(); }
    void SetAnimated(bool v) { m_graph->SetAnimated(v); }
    double View3D() const { return m_graph->View3D(); }
    void SetView3D(double v) { m_graph->SetView3D(v); }
    bool StatusBarVisible() const { return m_statusVisible; }
    void SetStatusBarVisible(bool v);
    bool StatusBarGrip() const { return m_statusGrip; }
    void SetStatusBarGrip(bool v);

    TPlotAxis& XAxis() { return m_xAxis; }
    TPlotAxis& YAxis() { return m_yAxis; }
    TPlotTitles& Title() { return m_title; }
    TPlotTitles& Foot() { return m_foot; }
    TPlotLegend& Legend() { return m_legend; }
    TPlotInfo& Info() { return m_info; }
    TPlotZoom& Zoom() { return m_zoom; }
    TPlotFrame& Frame() { return m_graph->Frame(); }
    TPlotGradient& Gradient() { return m_graph->Gradient(); }
    TPlotPicture& Picture() { return m_graph->Picture(); }
    TPlotProperties& PropertiesControl() { return m_properties; }

    std::function<void()> OnChange;
    std::function<void(TGraph&)> AfterChangeProperties;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseUp;
    void setAfterDraw(TGraph::GraphEvent e) { m_graph->setAfterDraw(std::move(e)); }
    void setBeforeDraw(TGraph::GraphEvent e) { m_graph->setBeforeDraw(std::move(e)); }

    // Status-bar panel texts (0: X, 1: Y, 2: progress and Z).
    QString statusText(int panel) const;
    // The cursor last asked for by the engine.
    ChartCursor currentCursor() const { return m_cursor; }

    // ChartHost.
    void setStatusPanel(int index, const QString& text, int width) override;
    void setChartCursor(ChartCursor cursor) override;
    void processEvents() override;
    void imageChanged() override;
    void popupChartMenu(int x, int y) override;
    void popupLayerMenu(TLayer& layer, int x, int y) override;
    void showProperties() override { ShowProperties(); }

    // Called by the image with pixel positions.
    void imageMouseMove(QMouseEvent* event);
    void imageMousePress(QMouseEvent* event);
    void imageMouseRelease(QMouseEvent* event);
    void imageDoubleClick(QMouseEvent* event);
    // True when the chart used the key (Delete on a selected note).
    bool imageKeyPress(int key);
    // The chart's pop-up menu items "Add text…" and "Add arrow" at a pixel.
    void AddTextAt(int x, int y);
    void AddArrowAt(int x, int y);
    // Undoes the newest chart edit; false when there was none.
    bool Undo() { return m_graph->Undo(); }
    void imageResized(const QSize& size);

signals:
    void propertiesRequested();

private:
    std::unique_ptr<TGraph> m_graph;
    ChartImage* m_image = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
    QString m_iniFileName;
    bool m_statusVisible = true;
    bool m_statusGrip = true;
    ChartCursor m_cursor = ChartCursor::Default;
    bool m_resizing = false; // drawing for a resize: no other events run meanwhile
    TPlotAxis m_xAxis;
    TPlotAxis m_yAxis;
    TPlotTitles m_title;
    TPlotTitles m_foot;
    TPlotLegend m_legend;
    TPlotInfo m_info;
    TPlotZoom m_zoom;
    TPlotProperties m_properties;
};

// Save as without the widget: the dialog (through the UI services), the extension from the
// chosen filter, the overwrite question, then the picture at `size`.
QString saveChartAs(TGraph& graph, QWidget* parent, QSize size);

} // namespace brelt::chart
