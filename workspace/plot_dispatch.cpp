// GraphicsPage::bbOKClick: the fields checked in a fixed order, the formula tabulated for the
// chosen plot type, the table handed to its window, and what a failing formula shows.
#include "workspace/graphics_page.h"

#include "chart/data/series.h"
#include "chart/view/ui_services.h"
#include "chart/view/validate.h"
#include "engine/format_value.h"
#include "windows/plot2d.h"
#include "windows/vt_tabulation.h"
#include "workspace/plot_tabulation.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTabWidget>

namespace brelt::workspace {

namespace {

// Restores the idle state however a plot ends. While pending messages run during a tabulation the
// tab control, the input line and the history are locked: a Return then must not evaluate another
// formula inside the tabulation.
class PlotScope {
public:
    explicit PlotScope(const GraphicsLinks& links) : m_links(links) {}
    void lock() {
        m_locked = true;
        for (QWidget* w : widgets())
            if (w) w->setEnabled(false);
    }
    ~PlotScope() { finish(); }
    void hourglass() {
        if (m_cursor) return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursor = true;
    }
    // Back to idle now (before a failure is shown in the input line).
    void finish() {
        if (m_finished) return;
        m_finished = true;
        if (m_cursor) QApplication::restoreOverrideCursor();
        if (m_locked)
            for (QWidget* w : widgets())
                if (w) w->setEnabled(true);
        if (m_links.gauge) m_links.gauge->setValue(0);
    }

private:
    std::array<QWidget*, 3> widgets() const { return {m_links.tabs, m_links.input, m_links.history}; }
    const GraphicsLinks& m_links;
    bool m_cursor = false;
    bool m_locked = false;
    bool m_finished = false;
};

// Marks the tabulation in progress for as long as it runs.
class Running {
public:
    Running(PlotTabulator*& slot, PlotTabulator& tabulator) : m_slot(slot) { m_slot = &tabulator; }
    ~Running() { m_slot = nullptr; }

private:
    PlotTabulator*& m_slot;
};

void errorBox(QWidget* parent, const QString& text) {
    chart::uiServices().message(parent, QStringLiteral("Brelt"), text, chart::MessageKind::Error);
}

QString label7(long double value, int notation) {
    return QString::fromStdString(engine::formatNumber(value, 7, 0, notation).text);
}

} // namespace

PlotAxis GraphicsPage::xAxis() const {
    return {m_vFromX->Value(), m_vToX->Value(), m_vStepsX->Value()};
}

PlotAxis GraphicsPage::yAxis() const {
    return {m_vFromY->Value(), m_vToY->Value(), m_vStepsY->Value()};
}

bool GraphicsPage::validateFields() {
    if (!m_vStepsX) return false; // the validators come with the window's creation
    // Each validator reports for itself; the first failure ends the check. The X fields and the
    // exaggeration are checked for every plot type, the Y fields and the contour count for the
    // three f(X,Y) types.
    if (!m_vStepsX->Check() || !m_vFromX->Check() || !m_vToX->Check() || !m_vExaggerate->Check())
        return false;
    const bool hasY = m_type == kPlotContour || m_type == kPlotShading || m_type == kPlotSurface;
    if (hasY && (!m_vStepsY->Check() || !m_vFromY->Check() || !m_vToY->Check() || !m_vNumCont->Check()))
        return false;
    if (!(m_vToX->Value() > m_vFromX->Value())) {
        errorBox(window(), QStringLiteral("Maximum X-coordinate must be more than minimum one"));
        return false;
    }
    // The Y range is checked for every plot type, also where it is greyed out.
    if (!(m_vToY->Value() > m_vFromY->Value())) {
        errorBox(window(), QStringLiteral("Maximum Y-coordinate must be more than minimum one"));
        return false;
    }
    return true;
}

void GraphicsPage::bbOKClick() {
    // A second OK pumped while a plot is computed or drawn (the chart runs pending messages
    // between its layers) waits for this one.
    if (m_busy) return;
    m_busy = true;
    const auto idle = qScopeGuard([this] { m_busy = false; });
    PlotScope scope(m_links);
    if (!validateFields()) return;
    long double exaggeration = 0;
    m_exaggeration = chart::convertReal(edExaggerate->text(), exaggeration) == 0 ? exaggeration : 0;
    if (!m_engine || !m_links.input) return;

    // The formula as it stands now: keys that insert text may still reach the input line while
    // the plot is computed.
    const QString typed = m_links.input->text();
    m_formula = typed;
    PlotTabulator tabulator(
        *m_engine,
        [this](int percent) {
            if (m_links.gauge) m_links.gauge->setValue(percent);
        },
        [&scope] { scope.lock(); });
    TabulationFailure failure;
    if (m_type == kPlotFx) edLegend->setText(QStringLiteral("f(") + typed + QLatin1Char(')'));
    const bool wanted = m_type == kPlotFx        ? m_targets.plot2D != nullptr
                        : m_type == kPlotSurface ? static_cast<bool>(m_targets.surface)
                        : m_type == kPlotPolar   ? static_cast<bool>(m_targets.polar)
                                                 : static_cast<bool>(m_targets.contour);
    if (!wanted) {
        scope.finish();
        notAvailable();
        return;
    }
    if (const QString refusal = gridRefusal(); !refusal.isEmpty()) {
        scope.finish();
        errorBox(window(), refusal);
        return;
    }
    if (!tabulator.setFormula(typed, failure)) {
        scope.finish();
        if (failure.code >= 0) showFailure(failure); // an empty line plots nothing
        return;
    }
    if (m_type != kPlotFx) scope.hourglass();

    bool ok = false;
    {
        Running running(m_running, tabulator);
        switch (m_type) {
        case kPlotFx: ok = plotFx(tabulator, failure); break;
        case kPlotContour: ok = plotGrid(tabulator, false, failure); break;
        case kPlotShading: ok = plotGrid(tabulator, true, failure); break;
        case kPlotSurface: ok = plotSurface(tabulator, failure); break;
        default: ok = plotPolar(tabulator, failure); break;
        }
    }
    scope.finish();
    if (ok)
        plotted();
    else
        showFailure(failure);
}

QString GraphicsPage::gridRefusal() const {
    // A grid larger than its chart can hold would be cut or would take the machine's memory.
    constexpr long long kMaxContourPoints = 25'000'000;
    const long long points = static_cast<long long>(m_vStepsX->Value()) * m_vStepsY->Value();
    if (m_type == kPlotSurface && points > windows::kMaxSurfacePoints)
        return QStringLiteral("A surface may have at most %1 points (X steps times Y steps)")
            .arg(windows::kMaxSurfacePoints);
    if ((m_type == kPlotContour || m_type == kPlotShading) && points > kMaxContourPoints)
        return QStringLiteral("A contour grid may have at most %1 points (X steps times Y steps)")
            .arg(kMaxContourPoints);
    return {};
}

bool GraphicsPage::plotFx(PlotTabulator& tabulator, TabulationFailure& failure) {
    windows::TfmPlot2D& window = *m_targets.plot2D;
    chart::TPlot& c = window.Chart();
    chart::TColor color = m_chosenColor ? chart::fromQColor(*m_chosenColor) : c.FreeColor();
    if (color < 0) color = chart::clBlack;
    auto series = std::make_unique<chart::TSeries>(&c.graph(), edLegend->text(),
                                                   chart::SeriesStyle::LineAndPoint, color);
    series->setMarkerStyle(c.FreeMarker());
    series->setMarkerFillColor(color);
    series->setCaption(
        (QStringLiteral("f(") + QString(m_formula).remove(QLatin1Char(' ')) + QLatin1Char(')')).left(255));
    const PlotAxis x = xAxis();
    series->setMarkerStep(x.count / 20);
    chart::TSeries& s = *series;
    if (!tabulator.tabulateCurve(
            x, [&s, color](double px, double py) { s.AddPoint(color, QString(), px, py); }, failure))
        return false;
    // The exaggeration the tab shows for f(X) shapes the 2D chart too.
    c.SetExaggerate(static_cast<double>(m_exaggeration));
    window.addFunction(std::move(series), edTitle->text(), edX->text(), edY->text());
    m_chosenColor.reset();
    return true;
}

bool GraphicsPage::plotGrid(PlotTabulator& tabulator, bool shading, TabulationFailure& failure) {
    // The previous grid goes first: the contour layer keeps copies of what it needs.
    m_gridX.reset();
    m_gridY.reset();
    m_gridZ.reset();
    auto xs = std::make_unique<chart::TVector>();
    auto ys = std::make_unique<chart::TVector>();
    auto z = std::make_unique<chart::TMatrix>();
    if (!tabulator.tabulateGrid(xAxis(), yAxis(), *xs, *ys, *z, failure)) return false;
    m_gridX = std::move(xs);
    m_gridY = std::move(ys);
    m_gridZ = std::move(z);

    ContourRequest request;
    request.shading = shading;
    int levels = 10;
    request.levels = shading ? 1 : chart::convertInteger(edNumCont->text(), levels) == 0 ? levels : 10;
    request.name = m_formula.left(255);
    request.title = edTitle->text();
    request.xAxis = edX->text();
    request.yAxis = edY->text();
    request.exaggeration = m_exaggeration;
    request.x = m_gridX.get();
    request.y = m_gridY.get();
    request.z = m_gridZ.get();
    m_targets.contour(request);
    return true;
}

bool GraphicsPage::plotSurface(PlotTabulator& tabulator, TabulationFailure& failure) {
    SurfaceTable table;
    const PlotAxis x = xAxis();
    const PlotAxis y = yAxis();
    if (!tabulator.tabulateTable(x, y, table.values, failure)) return false;
    table.title = edLegend->text();
    table.xAxis = edX->text();
    table.valueAxis = edTitle->text();
    table.yAxis = edY->text();
    table.rows = x.count;
    table.columns = y.count;
    for (int r = 0; r < x.count; ++r)
        table.rowLabels << label7(x.at(r), m_engine->Notation);
    for (int j = 0; j < y.count; ++j)
        table.columnLabels << label7(y.at(j), m_engine->Notation);
    m_targets.surface(table);
    return true;
}

bool GraphicsPage::plotPolar(PlotTabulator& tabulator, TabulationFailure& failure) {
    PolarCurve curve;
    const PlotAxis degrees = xAxis();
    if (!tabulator.tabulatePolar(degrees, curve.values, failure)) return false;
    for (int d = 0; d < degrees.count; ++d)
        curve.angles.push_back(static_cast<double>(degrees.at(d)));
    curve.legend = edLegend->text();
    curve.xAxis = edX->text();
    curve.yAxis = edY->text();
    curve.color = m_chosenColor;
    m_targets.polar(curve);
    m_chosenColor.reset();
    return true;
}

void GraphicsPage::showFailure(const TabulationFailure& failure) {
    if (failure.closing) return;
    if (QLineEdit* result = m_links.result) {
        QPalette palette = result->palette();
        palette.setColor(QPalette::Text, QColor(Qt::red));
        result->setPalette(palette);
        result->setText(failure.resultText);
        result->setCursorPosition(0);
    }
    if (QLineEdit* input = m_links.input; input && failure.start >= 0) {
        const int length = static_cast<int>(input->text().size());
        const int from = std::clamp(failure.start, 0, length);
        input->setFocus();
        input->setSelection(from, std::clamp(failure.length, 0, length - from));
    }
    if (!failure.userBreak()) errorBox(window(), QStringLiteral("Cann't calculate this function"));
}

void GraphicsPage::notAvailable() {
    errorBox(window(), QStringLiteral("This plot type is not available."));
}

void GraphicsPage::plotted() {
    // The plotted formula moves to the top of the history (added when absent); the results and
    // the tape are not touched.
    QComboBox* history = m_links.history;
    if (!history) return;
    const QString& text = m_formula;
    const int found = history->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found == 0) return;
    if (found > 0) history->removeItem(found);
    history->insertItem(0, text);
}

} // namespace brelt::workspace
