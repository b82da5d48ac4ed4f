#include "engine/grid_tabulation.h"

#include "engine/engine.h"

#include <cmath>
#include <limits>

namespace brelt::engine {

namespace {

constexpr int kSlotY = kSlotX + 1;

// The used-name lists serve the tape line of one formula; a table of points needs none.
class RecordingOff {
public:
    explicit RecordingOff(Engine& engine) : m_engine(engine), m_saved(engine.RecordUsed) {
        engine.RecordUsed = false;
    }
    ~RecordingOff() { m_engine.RecordUsed = m_saved; }
    RecordingOff(const RecordingOff&) = delete;
    RecordingOff& operator=(const RecordingOff&) = delete;

private:
    Engine& m_engine;
    bool m_saved;
};

} // namespace

Real gridPoint(Real from, Real to, int n, int index) {
    if (index >= n - 1) return to;
    return from + index * ((to - from) / (n - 1));
}

GridTabulation tabulateGrid(Engine& engine, const std::string& working, Real xFrom, Real xTo, int nx,
                            Real yFrom, Real yTo, int ny,
                            const std::function<bool(long long, long long)>& progress) {
    GridTabulation t;
    if (nx < 1 || ny < 1) return t;
    const long long total = static_cast<long long>(nx) * ny;
    t.x.resize(static_cast<std::size_t>(nx));
    t.y.resize(static_cast<std::size_t>(ny));
    t.z.resize(static_cast<std::size_t>(total));
    RecordingOff recordingOff(engine);
    VariableSlot& xSlot = engine.slot(kSlotX);
    VariableSlot& ySlot = engine.slot(kSlotY);
    constexpr Real largest = std::numeric_limits<double>::max();
    long long done = 0;
    for (int i = 0; i < nx; ++i) {
        const Real x = gridPoint(xFrom, xTo, nx, i);
        xSlot.value = x;
        t.x[static_cast<std::size_t>(i)] = static_cast<double>(x);
        for (int j = 0; j < ny; ++j) {
            const Real y = gridPoint(yFrom, yTo, ny, j);
            ySlot.value = y;
            t.y[static_cast<std::size_t>(j)] = static_cast<double>(y);
            engine.clearError();
            const Real z = engine.Evaluate(working);
            engine.Procedures.previousText.clear();
            int failure = -1;
            if (engine.ErrorFlag)
                failure = engine.ErrorCode;
            else if (!std::isfinite(z) || std::fabs(z) > largest)
                failure = kOverflow;
            else if (progress && !progress(++done, total))
                failure = kUserBreak;
            if (failure >= 0) {
                t.failedX = x;
                t.failedY = y;
                t.errorCode = failure;
                return t;
            }
            t.z[static_cast<std::size_t>(i) + static_cast<std::size_t>(j) * static_cast<std::size_t>(nx)] =
                static_cast<double>(z);
        }
    }
    t.ok = true;
    return t;
}

} // namespace brelt::engine
