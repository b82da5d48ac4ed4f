#include "chart/contour/contour.h"

#include "chart/contour/color_scale.h"
#include "chart/contour/contour_join.h"
#include "chart/contour/contour_levels.h"
#include "chart/contour/contour_undo.h"
#include "chart/contour/grid_interpolation.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

bool strictlyAscending(const TVector& v) {
    for (int i = 2; i <= v.size(); ++i)
        if (!(v.get(i) > v.get(i - 1))) return false;
    return true;
}

std::vector<double> valuesOf(const TVector& v) {
    return std::vector<double>(v.data(), v.data() + v.size());
}

} // namespace

TContour::TContour(TGraphContext* graph, bool colorShade, int levelCount, const TMatrix& zGrid,
                   const TVector& yGrid, const TVector& xGrid)
    : TLayer(graph, QStringLiteral("Contour")), LabelFont(QStringLiteral("Arial")), m_x(xGrid), m_y(yGrid),
      m_z(zGrid), m_colorShade(colorShade), m_levelCount(std::max(levelCount, 0)) {
    LabelFont.setPointSize(8);
    const int nx = m_x.size(), ny = m_y.size();
    m_gridOk = nx >= 1 && ny >= 1 && m_z.rows() == nx && m_z.cols() == ny && strictlyAscending(m_x) &&
               strictlyAscending(m_y);
    // The extremes of the finite values; a grid whose parts do not fit together has none.
    if (gridView().z) {
        const double* z = m_z.data();
        const std::size_t n = static_cast<std::size_t>(m_z.rows()) * static_cast<std::size_t>(m_z.cols());
        for (std::size_t k = 0; k < n; ++k) {
            if (!std::isfinite(z[k])) continue;
            m_zMin = std::min(m_zMin, z[k]);
            m_zMax = std::max(m_zMax, z[k]);
        }
    }
    m_tolerance = {joinToleranceOf(valuesOf(m_x)), joinToleranceOf(valuesOf(m_y))};
    m_tracer = std::make_unique<ContourTracer>(gridView(), edgeThresholdOf(m_zMin, m_zMax));
    if (m_colorShade) {
        ColorScale& scale = programColorScale();
        scale.setUpperCutOff(m_zMax, false);
        scale.setLowerCutOff(m_zMin, false);
        m_labelsVisible = false;
        return;
    }
    m_labelsVisible = true;
    GenerateLevels(m_levelCount);
}

TContour::~TContour() {
    *m_alive = false;
}

GridView TContour::gridView() const {
    if (!m_gridOk) return {};
    return {m_x.data(), m_x.size(), m_y.data(), m_y.size(), m_z.data()};
}

Extents TContour::GetExtents() const {
    Extents e;
    if (!gridView().z) return e;
    e.minX = m_x.Min;
    e.maxX = m_x.Max;
    e.minY = m_y.Min;
    e.maxY = m_y.Max;
    return e;
}

int TContour::Count() const {
    return gridView().z ? m_x.size() * m_y.size() : 0;
}

double TContour::ValueAt(double x, double y) const {
    return interpolateGrid(gridView(), x, y);
}

std::vector<std::unique_ptr<ContourPolyline>> TContour::traceLevel(double h) const {
    ContourJoiner joiner;
    std::vector<ContourSegment> pieces;
    return traceLevel(h, joiner, pieces);
}

std::vector<std::unique_ptr<ContourPolyline>>
TContour::traceLevel(double h, ContourJoiner& joiner, std::vector<ContourSegment>& pieces) const {
    std::vector<std::unique_ptr<ContourPolyline>> lines;
    const double level = roundLevel(h);
    if (!(level >= m_zMin && level <= m_zMax)) return lines;
    pieces.clear();
    m_tracer->trace(level, pieces);
    std::vector<ContourPolyline> joined = joiner.join(pieces, level, m_tolerance);
    lines.reserve(joined.size());
    for (ContourPolyline& line : joined)
        lines.push_back(std::make_unique<ContourPolyline>(std::move(line)));
    return lines;
}

void TContour::addLines(std::vector<std::unique_ptr<ContourPolyline>> lines, bool labelled) {
    for (auto& line : lines) {
        if (labelled && line->level != 0)
            m_labels.push_back(std::make_unique<TContourLabel>(this, line.get(), m_labelDigits));
        m_lines.push_back(std::move(line));
    }
}

void TContour::GenerateLevels(int count) {
    ++m_generation;
    m_levelCount = std::max(count, 0);
    m_labels.clear();
    m_lines.clear();
    m_levelMin = m_zMin;
    m_levelMax = m_zMax;
    m_levelStep = isFlatRange(m_zMin, m_zMax) ? 0 : levelStep(m_zMin, m_zMax, m_levelCount);
    ContourJoiner joiner;
    std::vector<ContourSegment> pieces;
    for (double h : levelValues(m_zMin, m_zMax, m_levelCount))
        addLines(traceLevel(h, joiner, pieces), false);
    // One label per polyline, in the order of the lines.
    for (const auto& line : m_lines)
        if (line->level != 0)
            m_labels.push_back(std::make_unique<TContourLabel>(this, line.get(), m_labelDigits));
    markChanged();
}

void TContour::SetColorShade(bool shade) {
    m_colorShade = shade;
    m_labelsVisible = !shade;
    if (shade) {
        programColorScale().setUpperCutOff(m_zMax, false);
        programColorScale().setLowerCutOff(m_zMin, false);
    } else if (m_lines.empty()) {
        GenerateLevels(m_levelCount);
    }
    markChanged();
}

void TContour::SetLabelDigits(int digits) {
    m_labelDigits = std::clamp(digits, 0, 18);
    for (const auto& label : m_labels)
        label->setDigits(m_labelDigits);
}

std::pair<double, double> TContour::scaleRange() const {
    if (!m_colorShade) return {m_zMax, m_zMin};
    const ColorScale& scale = programColorScale();
    return {scale.useUpperCutOff() ? scale.upperCutOff() : m_zMax,
            scale.useLowerCutOff() ? scale.lowerCutOff() : m_zMin};
}

TContourLabel* TContour::labelOf(const ContourPolyline* line) const {
    for (const auto& label : m_labels)
        if (label->line() == line) return label.get();
    return nullptr;
}

std::optional<ContourSegmentHit> TContour::NearestSegment(double x, double y) const {
    std::optional<ContourSegmentHit> best;
    long double bestDistance = 0;
    for (const auto& line : m_lines) {
        const std::vector<ContourPoint>& p = line->points;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            if (p[i] == p[i + 1]) continue;
            const long double d = std::fabs(static_cast<long double>(p[i].x) - x) +
                                  std::fabs(static_cast<long double>(p[i + 1].x) - x) +
                                  std::fabs(static_cast<long double>(p[i].y) - y) +
                                  std::fabs(static_cast<long double>(p[i + 1].y) - y);
            if (!best || d < bestDistance) {
                best = ContourSegmentHit{line.get(), static_cast<int>(i)};
                bestDistance = d;
            }
        }
    }
    return best;
}

void TContour::AddContourAt(double x, double y) {
    const std::size_t lines = m_lines.size(), labels = m_labels.size();
    addLines(traceLevel(ValueAt(x, y)), true);
    if (m_lines.size() == lines) return; // the level lies outside the grid's values
    if (m_graph) m_graph->recordUndo(contourAddedRecord(*this, lines, labels));
    markChanged();
}

void TContour::DeleteContourAt(double x, double y) {
    const auto hit = NearestSegment(x, y);
    if (!hit) return;
    const double level = hit->line->level;
    // Taken out with their places, for the undo record.
    ContourRemoval removed;
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        if (m_labels[i]->line()->level == level) removed.labels.emplace_back(i, std::move(m_labels[i]));
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i]->level == level) removed.lines.emplace_back(i, std::move(m_lines[i]));
    std::erase(m_labels, nullptr);
    std::erase(m_lines, nullptr);
    if (m_graph) m_graph->recordUndo(contourDeletedRecord(*this, std::move(removed)));
    markChanged();
}

void TContour::moveLabel(const ContourSegmentHit& hit) {
    const ContourPoint& a = hit.line->points[static_cast<std::size_t>(hit.index)];
    const ContourPoint& b = hit.line->points[static_cast<std::size_t>(hit.index) + 1];
    LabelSegment& s = hit.line->labelSegment;
    s.x1 = a.x, s.y1 = a.y, s.x2 = b.x, s.y2 = b.y;
    if (TContourLabel* label = labelOf(hit.line)) label->moveTo(a.x, a.y, b.x, b.y);
    markChanged();
}

void TContour::MoveLabelTo(double x, double y) {
    const auto hit = NearestSegment(x, y);
    if (!hit) return;
    if (m_graph) m_graph->recordUndo(contourLabelRecord(*this, *hit->line));
    moveLabel(*hit);
}

void TContour::ShowLabelAt(double x, double y) {
    const auto hit = NearestSegment(x, y);
    if (!hit) return;
    if (m_graph) m_graph->recordUndo(contourLabelRecord(*this, *hit->line));
    if (TContourLabel* label = labelOf(hit->line)) label->Visible = true;
    moveLabel(*hit);
}

void TContour::HideLabelAt(double x, double y) {
    const auto hit = NearestSegment(x, y);
    if (!hit) return;
    TContourLabel* label = labelOf(hit->line);
    if (!label || !label->Visible) return;
    if (m_graph) m_graph->recordUndo(contourLabelRecord(*this, *hit->line));
    label->Visible = false;
    markChanged();
}

bool TContour::insidePlot(int x, int y) const {
    return m_graph && m_graph->GetPlotRect().contains(x, y);
}

bool TContour::MouseMove(int x, int y, ShiftState shift) {
    if (m_editMode == ContourEditMode::None || !insidePlot(x, y)) return TLayer::MouseMove(x, y, shift);
    switch (m_editMode) {
    case ContourEditMode::AddContour:
    case ContourEditMode::ShowLabel: m_graph->setCursor(ChartCursor::SerAdd); break;
    case ContourEditMode::DeleteContour:
    case ContourEditMode::HideLabel: m_graph->setCursor(ChartCursor::SerDel); break;
    default: m_graph->setCursor(ChartCursor::MoveIt); break;
    }
    return true;
}

bool TContour::MouseDown(int x, int y, MouseButton button, ShiftState shift) {
    (void)shift;
    if (button != MouseButton::Left || m_editMode == ContourEditMode::None || !insidePlot(x, y)) return false;
    double wx = m_graph->PixelToX(x), wy = m_graph->PixelToY(y);
    if (m_graph->xAxisLog()) wx = std::pow(10.0, wx);
    if (m_graph->yAxisLog()) wy = std::pow(10.0, wy);
    switch (m_editMode) {
    case ContourEditMode::AddContour: AddContourAt(wx, wy); break;
    case ContourEditMode::DeleteContour: DeleteContourAt(wx, wy); break;
    case ContourEditMode::MoveLabel: MoveLabelTo(wx, wy); break;
    case ContourEditMode::ShowLabel: ShowLabelAt(wx, wy); break;
    case ContourEditMode::HideLabel: HideLabelAt(wx, wy); break;
    default: break;
    }
    m_graph->Redraw();
    return true;
}

} // namespace brelt::chart
