#include "app/cli/plot_tabulate.h"

#include "chart/data/series.h"
#include "chart/view/graph.h"
#include "engine/engine.h"
#include "engine/input_check.h"
#include "engine/line_evaluation.h"

#include <QString>

#include <cmath>
#include <cstdio>

namespace brelt::app {

namespace {

// The result line of a failure, as the Return key would show it for this formula at this X.
std::string resultLine(engine::Engine& engine, const std::string& formula) {
    const engine::LineOutcome outcome = engine::evaluateLine(engine, formula, 18);
    if (!outcome.success && !outcome.resultText.empty()) return outcome.resultText;
    return engine.MessageText(engine::kOverflow) + ": position 1";
}

} // namespace

std::string xText(engine::Real x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", static_cast<long double>(x));
    return buffer;
}

TabulationResult tabulateIntoChart(chart::TGraph& graph, engine::Engine& engine, const std::string& formula,
                                   engine::Real from, engine::Real to, int steps,
                                   const TabulationOptions& options) {
    using namespace brelt::chart;
    TabulationResult result;
    const std::string typed = engine::toEngineText(formula);
    const std::string working = engine::workingExpression(typed);
    if (const engine::ErrorMark mark = engine::checkParentheses(working); mark.failed()) {
        result.resultText = resultLine(engine, formula);
        return result;
    }
    const TColor color = graph.FreeColor();
    const QString name = QStringLiteral("f(") + QString::fromStdString(formula) + QLatin1Char(')');
    auto series =
        std::make_unique<TSeries>(&graph, name, SeriesStyle::LineAndPoint, color < 0 ? clBlack : color);
    series->setMarkerStyle(graph.FreeMarker());
    series->setMarkerFillColor(series->GetColor());
    series->setMarkerStep(steps / 20);
    const engine::Real dx = (to - from) / (steps - 1);
    const long double ratio = options.logX ? std::log(static_cast<long double>(to) / from) / (steps - 1) : 0;
    engine::VariableSlot& x = engine.slot(engine::kSlotX);
    // The used-name lists serve the tape line of one formula; a table of points needs none.
    struct RecordingOff {
        engine::Engine& e;
        bool saved;
        ~RecordingOff() { e.RecordUsed = saved; }
    } recordingOff{engine, engine.RecordUsed};
    engine.RecordUsed = false;
    bool gap = false; // a point was left out since the last one added: the curve breaks
    for (int i = 0; i < steps; ++i) {
        if (i == steps - 1)
            x.value = to;
        else
            x.value = options.logX ? from * std::exp(i * ratio) : from + i * dx;
        engine.clearError();
        engine.BreakRequested = false;
        const engine::Real y = engine.Evaluate(working);
        // No result cached for one point may be reused for the next.
        engine.Procedures.previousText.clear();
        const bool error = engine.ErrorFlag;
        const long double value = static_cast<long double>(y);
        if (error || !std::isfinite(value) || std::fabs(value) > 1e300L) {
            if (result.leftOut == 0) {
                // The first failure is told as the Return key would show it at this X.
                result.failedX = x.value;
                if (error) {
                    engine.RecordUsed = recordingOff.saved;
                    result.resultText = resultLine(engine, formula);
                    engine.RecordUsed = false;
                } else {
                    result.resultText = engine.MessageText(engine::kOverflow) + ": position 1";
                }
            }
            engine.clearError();
            ++result.leftOut;
            if (!options.skipUndefined) return result;
            gap = true;
            continue;
        }
        TGraphData* point = series->AddPoint(series->GetColor(), QString(), static_cast<double>(x.value),
                                             static_cast<double>(y));
        if (gap) point->Prev = point->Pt; // a new run starts here
        gap = false;
    }
    if (series->Count() == 0) return result; // undefined everywhere
    auto* added = static_cast<TSeries*>(graph.AddLayer(std::move(series)));
    graph.addLineLegend(*added);
    result.ok = true;
    return result;
}

} // namespace brelt::app
