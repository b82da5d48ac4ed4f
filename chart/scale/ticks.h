#pragma once
// Tick computation for one axis, apart from any drawing: ComputeTicks turns a range into a plain
// TickScale (rounded ends, first tick, step, count, decimals, minor ticks per major) that a table
// test checks without a widget; linearTicks and logTicks walk it into tick values with their
// label texts, in the order the axis draws them.
#include "chart/scale/nice_numbers.h"

#include <optional>
#include <string>
#include <vector>

namespace brelt::chart {

struct TickOptions {
    bool autoMin = true; // round the lower end to a nice bound
    bool autoMax = true; // round the upper end
    bool zoomed = false; // a zoom is in force: keep both ends as given
    bool log = false;    // the range holds decimal logarithms
};

struct TickScale {
    double min = 0.0; // range ends after rounding, min <= max
    double max = 1.0;
    double firstTick = 0.0;
    double step = 0.1; // distance between neighbouring ticks (major or minor)
    int count = 11;
    int decimals = 1;      // decimals of the labels and of the cursor read-out
    int minorPerMajor = 5; // every minorPerMajor-th tick, counting from the first, is major
    // Decimals of the tick labels: one more than `decimals` when the first tick (a range end the
    // user set or a zoom left) needs it, so that a tick at 0.25 does not read "0.2".
    int labelDecimals = 1;
};

// Ticks for [min, max] (exchanged when given the other way round). Empty when the range is zero
// or not finite: the axis keeps its previous ticks then. Uses the shared nice numbers for the
// nice lower bound unless another instance is given.
std::optional<TickScale> ComputeTicks(double min, double max, const TickOptions& options,
                                      TNiceNumbers& nice = sharedNiceNumbers());

// The first tick moves `before` steps down (and the lower end with it), the upper end `after`
// steps up, and the count grows by both: room for bars at the ends of a bar series.
TickScale Extend(TickScale scale, int before, int after);

struct Tick {
    double value = 0.0; // in data values, also on a logarithmic axis
    bool major = false;
    std::string label;    // major ticks: the text; "10" at a decade, "1.5×10" in the scientific form
    std::string exponent; // drawn raised after the label: the decade, the scientific exponent
    // Majors: the tick's place counted in major steps from zero (on a logarithmic axis in decades
    // over the major decade step), so that labels thinned to every n-th fall on round values.
    long long order = 0;
};

// The count ticks of a linear axis from the first tick upwards.
std::vector<Tick> linearTicks(const TickScale& scale);

// The ticks of a logarithmic axis whose axis-space ends are left and right (right < left on an
// inverted axis), in the order from left to right, only those within the range. Ten equal linear
// steps per decade; the first of each decade is major and labelled "10" with the decade. A range
// that holds fewer than two decade ticks gets linear nice ticks labelled with their values. When
// ten ticks a decade would be more than `maxTicks` (the room the axis has; 0: no limit), only
// every k-th decade gets a tick (k = 1, 2, 5, 10, ...) and only round decades are major.
std::vector<Tick> logTicks(double left, double right, int maxTicks = 0);

// Fixed labels longer than this switch the whole axis to the scientific form.
inline constexpr std::size_t kMaxFixedLabelLength = 10;

// Rewrites the labels of all majors in the scientific form ("1.5×10" with the exponent "-300" to
// be raised) when the fixed label of any is longer than kMaxFixedLabelLength. `majorStep` is the
// distance between majors: each mantissa gets the decimals that step needs, trailing zeros go.
void useScientificFormWhenLong(std::vector<Tick>& ticks, double majorStep);

// The label of a linear tick: representation noise dropped, `decimals` decimals, a final ".0"
// removed; a value a millionth of the step or less reads as zero.
std::string tickLabel(long double value, double step, int decimals);

// The value rounded to `places` decimals when 10^places * value fits a 32-bit integer.
std::optional<double> roundedToPlaces(double value, int places);

// The value written with `decimals` decimals and read back.
double viaDecimalText(double value, int decimals);

} // namespace brelt::chart
