#pragma once
// Tabulating the input line's formula for a plot, without any window: X (and Y) are written
// straight into the engine's variable slots and the formula is evaluated at every point of an even
// grid. Between points the tabulator now and then reports its progress and lets pending window
// messages run (from the first interval on), so the Stop button works (the engine's break question decides)
// and closing the program ends the tabulation at once. A failure carries what the result line shows for it.
//
// Points: N points from `from` to `to` in N - 1 equal steps; the last one is exactly `to`.
#include "chart/data/grid.h"
#include "engine/engine.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brelt::workspace {

struct PlotAxis {
    long double from = 0;
    long double to = 0;
    int count = 0;
    long double at(int index) const; // index 0 .. count - 1
};

// Why a tabulation ended without its table.
struct TabulationFailure {
    int code = -1;      // the engine's message code; engine::kUserBreak when the user broke off
    QString resultText; // the result line: message, ": position " and the position in the typed text
    int start = -1;     // the faulty span of the typed text, 0-based; -1 when there is none
    int length = 0;
    bool closing = false; // the program closes: nothing is to be shown
    bool userBreak() const { return code == engine::kUserBreak; }
};

class PlotTabulator {
public:
    // Shows the progress in percent, before pending messages run.
    using Progress = std::function<void(int percent)>;

    // `engine` is not owned. While a tabulation runs the tabulator stands between the engine and
    // its host: everything is passed on except the break question after requestAbort().
    // `locking` is called once, before pending messages run for the first time in a tabulation
    // (by the tabulator or by a procedure inside the formula): a short tabulation runs none, so the
    // window need not show its controls locked for it.
    PlotTabulator(engine::Engine& engine, Progress progress = {}, std::function<void()> locking = {});
    ~PlotTabulator();

    // The formula as typed (blanks are removed, parentheses checked). False for an empty formula
    // (nothing to plot, failure.code stays -1) or a parenthesis error (failure filled).
    bool setFormula(const QString& typed, TabulationFailure& failure);
    const std::string& workingExpression() const { return m_working; }

    // f(X): `point` receives every (x, y). Ends at the first failing point.
    bool tabulateCurve(const PlotAxis& x, const std::function<void(double, double)>& point,
                       TabulationFailure& failure);
    // f(X,Y) into a grid: xs (N), ys (M) and z (N x M), all replaced. Ends at the first failing
    // point. The special functions integrate to 7 characters meanwhile (a picture needs no more).
    bool tabulateGrid(const PlotAxis& x, const PlotAxis& y, chart::TVector& xs, chart::TVector& ys,
                      chart::TMatrix& z, TabulationFailure& failure);
    // f(X,Y) as a table of N rows and M columns; a point where the formula fails has no value.
    // Fails only when no point has one, or on a break.
    bool tabulateTable(const PlotAxis& x, const PlotAxis& y, std::vector<std::optional<double>>& values,
                       TabulationFailure& failure);
    // f(angle) over angles in degrees, X taking the angle in radians; failing points have no value.
    bool tabulatePolar(const PlotAxis& degrees, std::vector<std::optional<double>>& values,
                       TabulationFailure& failure);

    // The program closes: the running tabulation ends at the next point (a procedure inside the
    // formula breaks off without asking).
    void requestAbort();
    bool running() const { return m_running; }

    // The most points one f(X) tabulation takes.
    static constexpr int kMaxCurvePoints = 32767;

private:
    class Session;
    bool evaluate(long double& value, TabulationFailure& failure);
    bool pause(int percent, TabulationFailure& failure);
    void engineFailure(TabulationFailure& failure) const;
    void overflowFailure(TabulationFailure& failure) const;
    // One point of a tabulation that keeps failed points as gaps: `cell` gets the drawable value or
    // stays empty, and `first` keeps the first failure; false when the user broke off or the program
    // is closing (`failure` then says which).
    bool gapPoint(std::optional<double>& cell, TabulationFailure& first, TabulationFailure& failure);
    // The end of such a tabulation: true when any point has a value, else `failure` is the first
    // failure (or the overflow when every value was out of range).
    bool anyPoint(bool any, const TabulationFailure& first, TabulationFailure& failure) const;

    engine::Engine& m_engine;
    Progress m_progress;
    std::function<void()> m_locking;
    bool m_locked = false;
    std::string m_engineText; // the typed text, one byte per character
    std::string m_working;
    bool m_running = false;
    bool m_aborting = false;
    int m_lastPercent = -1;
    long long m_lastPauseMs = 0;
};

} // namespace brelt::workspace
