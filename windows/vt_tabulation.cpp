#include "windows/vt_tabulation.h"

#include "chart/vtchart/vt_chart.h"
#include "engine/engine.h"
#include "engine/format_value.h"
#include "engine/input_check.h"
#include "engine/line_evaluation.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace brelt::windows {

namespace {

using engine::Real;
using Clock = std::chrono::steady_clock;

constexpr auto kPumpInterval = std::chrono::milliseconds(25);
constexpr int kSlotY = 2;

// One formula evaluated point after point: the engine prepared for a table (no used-name
// recording, the break flag cleared), failures counted, the pump run now and then. Restores what
// it changed in the engine when it ends.
class PointEvaluator {
public:
    PointEvaluator(engine::Engine& engine, const std::string& formula, const TabulationPump& pump,
                   TabulationOutcome& outcome)
        : m_engine(engine), m_pump(pump), m_outcome(outcome), m_typed(formula),
          m_savedRecording(engine.RecordUsed), m_savedAngle(engine.AngleUnit), m_lastPump(Clock::now()) {
        m_working = engine::workingExpression(engine::toEngineText(formula));
        m_parentheses = engine::checkParentheses(m_working);
        engine.RecordUsed = false;
        engine.BreakRequested = false;
        engine.clearError();
    }
    ~PointEvaluator() {
        m_engine.RecordUsed = m_savedRecording;
        m_engine.AngleUnit = m_savedAngle;
        m_engine.clearError();
    }
    PointEvaluator(const PointEvaluator&) = delete;
    PointEvaluator& operator=(const PointEvaluator&) = delete;

    void useRadians() { m_engine.AngleUnit = 0; }

    // The value at the point the slots hold now, or nothing (counted as failed). After a break
    // outcome.stopped is set and the caller stops.
    std::optional<double> at(int done, long long total) {
        ++m_outcome.points;
        std::optional<double> result;
        if (m_parentheses.failed()) {
            fail(m_parentheses.code);
        } else {
            m_engine.clearError();
            const Real v = m_engine.Evaluate(m_working);
            // No result a procedure cached for this point may serve the next.
            m_engine.Procedures.previousText.clear();
            if (m_engine.ErrorFlag) {
                if (m_engine.ErrorCode == engine::kUserBreak) m_outcome.stopped = true;
                fail(m_engine.ErrorCode);
            } else if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<double>::max()) {
                fail(engine::kOverflow);
            } else {
                result = static_cast<double>(v);
            }
        }
        // The clock is read every 64 points only: a point may take well under a microsecond.
        if (m_outcome.points == 1 ||
            (m_outcome.points % 64 == 0 && Clock::now() - m_lastPump >= kPumpInterval)) {
            if (m_pump) m_pump(static_cast<int>(done * 100LL / std::max(total, 1LL)));
            m_lastPump = Clock::now();
        }
        if (m_engine.BreakRequested) m_outcome.stopped = true;
        return result;
    }

private:
    void fail(int code) {
        ++m_outcome.failed;
        m_engine.clearError();
        if (!m_outcome.firstFailure.isEmpty()) return;
        // The first failure as the Return key would show it at this point: the message and its
        // position in the typed formula.
        std::string text = m_engine.MessageText(code);
        if (code != engine::kUserBreak) {
            const bool breakRequested = m_engine.BreakRequested;
            const engine::LineOutcome line = engine::evaluateLine(m_engine, m_typed, 18);
            m_engine.BreakRequested = breakRequested;
            m_engine.RecordUsed = false;
            if (!line.success && !line.resultText.empty()) text = line.resultText;
        }
        m_outcome.firstFailure = QString::fromStdString(text);
    }

    engine::Engine& m_engine;
    const TabulationPump& m_pump;
    TabulationOutcome& m_outcome;
    std::string m_typed;
    std::string m_working;
    engine::ErrorMark m_parentheses;
    bool m_savedRecording;
    int m_savedAngle;
    Clock::time_point m_lastPump;
};

// Point i of n from `from` to exactly `to`.
Real stepValue(Real from, Real to, int i, int n) {
    if (i == n - 1) return to;
    return from + i * ((to - from) / (n - 1));
}

} // namespace

QString TabulationOutcome::statusText() const {
    if (!refusal.isEmpty()) return refusal;
    if (stopped) return QStringLiteral("Stopped; the chart is unchanged");
    if (failed == 0) return QStringLiteral("%1 points").arg(points);
    return QStringLiteral("%1 of %2 points could not be calculated (%3) and are left as gaps")
        .arg(failed)
        .arg(points)
        .arg(firstFailure);
}

QString gridLabel(const engine::Engine& engine, Real value) {
    engine::FormatOutcome text = engine::formatNumber(value, 7, 0, engine.Notation);
    if (!text.ok()) text = engine::formatNumber(value, 7, 0, 0);
    return QString::fromStdString(text.text);
}

TabulationOutcome tabulateSurface(chart::TVtChartModel& chart, engine::Engine& engine,
                                  const SurfaceRequest& request, const TabulationPump& pump) {
    TabulationOutcome outcome;
    const int n = request.xSteps;
    const int m = request.ySteps;
    if (n < 2 || m < 2) {
        outcome.refusal = QStringLiteral("A surface needs at least 2 points in X and in Y");
        return outcome;
    }
    if (static_cast<long long>(n) * m > kMaxSurfacePoints) {
        outcome.refusal = QStringLiteral("A surface may have at most %1 points (X steps times Y steps)")
                              .arg(kMaxSurfacePoints);
        return outcome;
    }
    // Filled aside and handed over at the end, so that Stop leaves the chart as it was.
    chart::TVtDataGrid grid;
    grid.SetSize(n, m);
    {
        PointEvaluator evaluate(engine, request.formula, pump, outcome);
        engine::Real& x = engine.slot(engine::kSlotX).value;
        engine::Real& y = engine.slot(kSlotY).value;
        const long long total = static_cast<long long>(n) * m;
        for (int r = 1; r <= n && !outcome.stopped; ++r) {
            x = stepValue(request.xFrom, request.xTo, r - 1, n);
            grid.SetRow(r);
            grid.SetRowLabel(gridLabel(engine, x));
            for (int j = 1; j <= m && !outcome.stopped; ++j) {
                grid.SetColumn(j);
                y = stepValue(request.yFrom, request.yTo, j - 1, m);
                if (r == 1) grid.SetColumnLabel(gridLabel(engine, y));
                const auto v = evaluate.at(static_cast<int>((r - 1) * static_cast<long long>(m) + j), total);
                grid.SetData(v ? chart::cellText(*v) : QString());
            }
        }
    }
    if (!outcome.drawn()) return outcome;
    grid.SetRow(1);
    grid.SetColumn(1);
    chart.DataGrid() = std::move(grid);
    chart::TVtPlot& plot = chart.GetPlot();
    plot.Axis(0).title = request.xName;
    plot.Axis(1).title = request.valueName;
    plot.Axis(2).title = request.valueName;
    plot.Axis(3).title = request.yName;
    chart.SetTitleText(request.title);
    return outcome;
}

TabulationOutcome tabulatePolar(chart::TVtChartModel& chart, engine::Engine& engine,
                                const PolarRequest& request, const TabulationPump& pump) {
    TabulationOutcome outcome;
    const int n = request.steps;
    if (n < 2) {
        outcome.refusal = QStringLiteral("A polar curve needs at least 2 points");
        return outcome;
    }
    chart::TVtDataGrid& grid = chart.DataGrid();
    const int oldRows = grid.RowCount();
    const int oldColumns = grid.ColumnCount();
    const int rows = std::max(oldRows, n);
    const int columns = oldColumns + 2;
    if (rows > chart::TVtDataGrid::kMaxCount || columns > chart::TVtDataGrid::kMaxCount ||
        static_cast<long long>(rows) * columns > chart::TVtDataGrid::kMaxCells) {
        outcome.refusal = QStringLiteral("The polar chart holds too many points to take another curve");
        return outcome;
    }
    grid.SetSize(rows, columns);
    {
        PointEvaluator evaluate(engine, request.formula, pump, outcome);
        evaluate.useRadians();
        engine::Real& x = engine.slot(engine::kSlotX).value;
        for (int d = 1; d <= n && !outcome.stopped; ++d) {
            const Real angle = stepValue(request.angleFrom, request.angleTo, d - 1, n);
            grid.SetData(d, columns - 1, static_cast<double>(angle), false);
            x = angle * std::numbers::pi_v<Real> / 180;
            const auto v = evaluate.at(d, n);
            grid.SetData(d, columns, v.value_or(0.0), !v);
        }
    }
    if (!outcome.drawn()) {
        grid.SetSize(oldRows, oldColumns);
        return outcome;
    }
    grid.SetColumn(columns - 1);
    grid.SetColumnLabel(request.legend);
    chart::TVtPlot& plot = chart.GetPlot();
    const int series = columns / 2 - 1;
    plot.SetSeriesPen(series, {plot.SeriesPen(series).color, 1.0});
    plot.Axis(0).title = request.xName;
    plot.Axis(1).title = request.yName;
    chart.Changed();
    return outcome;
}

TabulationOutcome tabulateSurface(chart::TVtChart& chart, engine::Engine& engine,
                                  const SurfaceRequest& request, const TabulationPump& pump) {
    return tabulateSurface(chart.model(), engine, request, pump);
}

TabulationOutcome tabulatePolar(chart::TVtChart& chart, engine::Engine& engine, const PolarRequest& request,
                                const TabulationPump& pump) {
    return tabulatePolar(chart.model(), engine, request, pump);
}

} // namespace brelt::windows
