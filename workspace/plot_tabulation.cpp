#include "workspace/plot_tabulation.h"

#include "engine/input_check.h"
#include "engine/procedure_memory.h"

#include <QElapsedTimer>
#include <QScopeGuard>

#include <cmath>
#include <numbers>

namespace brelt::workspace {

namespace {

constexpr int kSlotY = 2;

// Pending messages run at least this often (and at every point when points are slower).
constexpr long long kPauseIntervalMs = 15;

// The chart keeps doubles: a value beyond them cannot be drawn.
constexpr long double kLargestDrawable = 1e300L;

long long nowMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace

long double PlotAxis::at(int index) const {
    if (index >= count - 1) return to;
    return from + index * ((to - from) / (count - 1));
}

// For the length of one tabulation: the tabulator is the engine's host (passing everything on to
// the host it replaces), used values are not recorded, the break flag starts clear, and the
// reading of the working expression and the integration precision are put back afterwards.
class PlotTabulator::Session : public engine::EngineHost {
public:
    explicit Session(PlotTabulator& owner) : m_owner(owner), m_engine(owner.m_engine) {
        m_previous = &m_engine.host();
        m_recordUsed = m_engine.RecordUsed;
        m_precision = m_engine.IntegrationPrecision;
        m_engine.setHost(this);
        m_engine.RecordUsed = false;
        m_engine.BreakRequested = false;
        m_engine.clearError();
        owner.m_running = true;
        owner.m_aborting = false;
        owner.m_lastPercent = -1;
        owner.m_locked = false;
        owner.m_lastPauseMs = nowMs(); // a tabulation shorter than the interval runs no messages
    }
    ~Session() override {
        m_engine.setHost(m_previous);
        m_engine.RecordUsed = m_recordUsed;
        m_engine.IntegrationPrecision = m_precision;
        m_engine.BreakRequested = false;
        m_engine.clearError();
        m_owner.m_running = false;
    }

    bool requestVariable(engine::Engine& e, int slot, char letter, const std::string& text) override {
        return m_previous->requestVariable(e, slot, letter, text);
    }
    int addUserVariable(engine::Engine& e, const std::string& name, engine::Real value) override {
        return m_previous->addUserVariable(e, name, value);
    }
    bool evaluateVariableFormula(engine::Engine& e, int slot) override {
        return m_previous->evaluateVariableFormula(e, slot);
    }
    void processMessages() override {
        if (!m_owner.m_locked) {
            m_owner.m_locked = true;
            if (m_owner.m_locking) m_owner.m_locking();
        }
        m_previous->processMessages();
    }
    bool confirmBreak(const std::string& question) override {
        return m_owner.m_aborting || m_previous->confirmBreak(question);
    }
    void showStatus(const std::string& text) override { m_previous->showStatus(text); }
    void showMessage(const std::string& text) override { m_previous->showMessage(text); }

private:
    PlotTabulator& m_owner;
    engine::Engine& m_engine;
    engine::EngineHost* m_previous = nullptr;
    bool m_recordUsed = true;
    int m_precision = 9;
};

PlotTabulator::PlotTabulator(engine::Engine& engine, Progress progress, std::function<void()> locking)
    : m_engine(engine), m_progress(std::move(progress)), m_locking(std::move(locking)) {}

PlotTabulator::~PlotTabulator() = default;

bool PlotTabulator::setFormula(const QString& typed, TabulationFailure& failure) {
    m_engineText = engine::toEngineText(typed.toStdString());
    m_working = engine::workingExpression(m_engineText);
    if (m_working.empty()) return false;
    const engine::ErrorMark pairing = engine::checkParentheses(m_working);
    if (!pairing.failed()) return true;
    const engine::TextSpan span = engine::mapToTypedText(m_engineText, pairing.position, pairing.length);
    failure.code = pairing.code;
    failure.resultText = QString::fromStdString(engine::latin1ToUtf8(m_engine.MessageText(pairing.code))) +
                         QStringLiteral(": position ") + QString::number(span.position);
    failure.start = std::max(span.position - 1, 0);
    failure.length = std::max(span.length, 0);
    return false;
}

void PlotTabulator::requestAbort() {
    if (!m_running) return;
    m_aborting = true;
    m_engine.BreakRequested = true; // a procedure inside the formula stops at its next test
}

void PlotTabulator::engineFailure(TabulationFailure& failure) const {
    failure.code = m_engine.ErrorCode;
    const QString message =
        QString::fromStdString(engine::latin1ToUtf8(m_engine.MessageText(m_engine.ErrorCode)));
    if (failure.userBreak()) {
        failure.resultText = message;
        return;
    }
    const engine::TextSpan span =
        engine::mapToTypedText(m_engineText, m_engine.ErrorPosition, m_engine.ErrorLength);
    failure.resultText = message + QStringLiteral(": position ") + QString::number(span.position);
    failure.start = std::max(span.position - 1, 0);
    failure.length = std::max(span.length, 0);
}

void PlotTabulator::overflowFailure(TabulationFailure& failure) const {
    // As the result line shows a value no notation can hold: at one past the end of the formula.
    const int end = static_cast<int>(m_engineText.size());
    failure.code = engine::kOverflow;
    failure.resultText =
        QString::fromStdString(engine::latin1ToUtf8(m_engine.MessageText(engine::kOverflow))) +
        QStringLiteral(": position ") + QString::number(end + 1);
    failure.start = end;
    failure.length = 0;
}

bool PlotTabulator::evaluate(long double& value, TabulationFailure& failure) {
    m_engine.clearError();
    value = m_engine.Evaluate(m_working);
    // No result kept for one point may be taken for the next.
    m_engine.Procedures.previousText.clear();
    if (m_aborting) {
        failure.closing = true;
        return false;
    }
    if (m_engine.ErrorFlag) {
        engineFailure(failure);
        return false;
    }
    return true;
}

bool PlotTabulator::pause(int percent, TabulationFailure& failure) {
    const long long now = nowMs();
    if (now - m_lastPauseMs < kPauseIntervalMs) return true;
    if (percent != m_lastPercent && m_progress) m_progress(percent);
    m_lastPercent = percent;
    m_lastPauseMs = now;
    // Runs pending messages; when Stop was pressed meanwhile, asks whether to break off.
    const bool broke = m_engine.breakConfirmed();
    if (m_aborting) {
        failure.closing = true;
        return false;
    }
    if (broke) {
        m_engine.clearError();
        failure.code = engine::kUserBreak;
        failure.resultText =
            QString::fromStdString(engine::latin1ToUtf8(m_engine.MessageText(engine::kUserBreak)));
        return false;
    }
    return true;
}

bool PlotTabulator::tabulateCurve(const PlotAxis& x, const std::function<void(double, double)>& point,
                                  TabulationFailure& failure) {
    Session session(*this);
    engine::VariableSlot& slotX = m_engine.slot(engine::kSlotX);
    const int n = x.count;
    for (int i = 1; i <= n; ++i) {
        if (!pause(static_cast<int>(i * 100LL / (n + 1)), failure)) return false;
        if (i > kMaxCurvePoints) {
            overflowFailure(failure);
            return false;
        }
        slotX.value = x.at(i - 1);
        long double y = 0;
        if (!evaluate(y, failure)) return false;
        if (!std::isfinite(y) || std::fabs(y) > kLargestDrawable) {
            overflowFailure(failure);
            return false;
        }
        point(static_cast<double>(slotX.value), static_cast<double>(y));
    }
    return true;
}

bool PlotTabulator::tabulateGrid(const PlotAxis& x, const PlotAxis& y, chart::TVector& xs, chart::TVector& ys,
                                 chart::TMatrix& z, TabulationFailure& failure) {
    Session session(*this);
    m_engine.IntegrationPrecision = 7;
    const int n = x.count;
    const int m = y.count;
    xs = chart::TVector(n);
    ys = chart::TVector(m);
    z = chart::TMatrix(n, m);
    engine::VariableSlot& slotX = m_engine.slot(engine::kSlotX);
    engine::VariableSlot& slotY = m_engine.slot(kSlotY);
    const long long total = static_cast<long long>(m + 1) * (n + 1);
    for (int i = 1; i <= n; ++i) {
        slotX.value = x.at(i - 1);
        xs.set(i, static_cast<double>(slotX.value));
        for (int j = 1; j <= m; ++j) {
            const long long k = j + static_cast<long long>(i - 1) * (m + 1);
            if (!pause(static_cast<int>(k * 100 / total), failure)) return false;
            slotY.value = y.at(j - 1);
            ys.set(j, static_cast<double>(slotY.value));
            long double value = 0;
            if (!evaluate(value, failure)) return false;
            if (!std::isfinite(value) || std::fabs(value) > kLargestDrawable) {
                overflowFailure(failure);
                return false;
            }
            z.set(i, j, static_cast<double>(value));
        }
    }
    return true;
}

bool PlotTabulator::tabulateTable(const PlotAxis& x, const PlotAxis& y,
                                  std::vector<std::optional<double>>& values, TabulationFailure& failure) {
    Session session(*this);
    m_engine.IntegrationPrecision = 7;
    const int n = x.count;
    const int m = y.count;
    values.assign(static_cast<size_t>(n) * static_cast<size_t>(std::max(m, 0)), std::nullopt);
    engine::VariableSlot& slotX = m_engine.slot(engine::kSlotX);
    engine::VariableSlot& slotY = m_engine.slot(kSlotY);
    const long long total = static_cast<long long>(m + 1) * (n + 1);
    bool any = false;
    TabulationFailure first;
    for (int r = 1; r <= n; ++r) {
        slotX.value = x.at(r - 1);
        for (int j = 1; j <= m; ++j) {
            const long long k = j + static_cast<long long>(r - 1) * (m + 1);
            if (!pause(static_cast<int>(k * 100 / total), failure)) return false;
            slotY.value = y.at(j - 1);
            std::optional<double>& cell =
                values[static_cast<size_t>(r - 1) * static_cast<size_t>(m) + static_cast<size_t>(j - 1)];
            if (!gapPoint(cell, first, failure)) return false;
            any = any || cell.has_value();
        }
    }
    return anyPoint(any, first, failure);
}

bool PlotTabulator::tabulatePolar(const PlotAxis& degrees, std::vector<std::optional<double>>& values,
                                  TabulationFailure& failure) {
    Session session(*this);
    // X is the angle in radians: the formula reads it so whatever angle unit the calculator shows.
    const int savedUnit = m_engine.AngleUnit;
    m_engine.AngleUnit = 0;
    const auto restoreUnit = qScopeGuard([this, savedUnit] { m_engine.AngleUnit = savedUnit; });
    const int n = degrees.count;
    values.assign(static_cast<size_t>(n), std::nullopt);
    engine::VariableSlot& slotX = m_engine.slot(engine::kSlotX);
    bool any = false;
    TabulationFailure first;
    for (int d = 1; d <= n; ++d) {
        if (!pause(static_cast<int>(d * 100LL / (n + 1)), failure)) return false;
        slotX.value = degrees.at(d - 1) * std::numbers::pi_v<long double> / 180;
        std::optional<double>& cell = values[static_cast<size_t>(d - 1)];
        if (!gapPoint(cell, first, failure)) return false;
        any = any || cell.has_value();
    }
    return anyPoint(any, first, failure);
}

bool PlotTabulator::gapPoint(std::optional<double>& cell, TabulationFailure& first,
                             TabulationFailure& failure) {
    long double value = 0;
    TabulationFailure here;
    if (!evaluate(value, here)) {
        if (here.closing || here.userBreak()) {
            failure = here;
            return false;
        }
        if (first.code < 0) first = here;
        return true;
    }
    if (std::isfinite(value) && std::fabs(value) <= kLargestDrawable) cell = static_cast<double>(value);
    return true;
}

bool PlotTabulator::anyPoint(bool any, const TabulationFailure& first, TabulationFailure& failure) const {
    if (!any) {
        failure = first;
        if (failure.code < 0) overflowFailure(failure);
    }
    return any;
}

} // namespace brelt::workspace
