// The settings file "Brelt.INI": any text reads into sections and keys, the main window's settings
// and the plot windows' placements come out with their defaults where a value is bad, and writing
// what was read reads back to the same.
#include "fuzz_support.h"
#include "workspace/calc_settings.h"
#include "workspace/profile_file.h"

using namespace brelt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    workspace::ProfileFile ini;
    ini.parse(fuzz::text(data, size));
    const workspace::CalcSettings settings = workspace::readCalcSettings(ini, QStringLiteral("/home"));
    fuzz::check(settings.plotType >= 0 && settings.plotType < workspace::kPlotTypeCount,
                "plot type in range");
    for (const char* window : {"fmPlot2D", "fmContourPlot", "fmPolar", "fmSurface"}) {
        const workspace::WindowPlacement p = workspace::readWindowPlacement(ini, QLatin1String(window));
        fuzz::check(p.width > 0 && p.height > 0, "a placement has a size");
    }

    // Writing back and reading again gives the same file: nothing is lost or invented.
    const QString written = ini.toText();
    workspace::ProfileFile again;
    again.parse(written);
    fuzz::check(again.toText() == written, "a written profile reads back to the same text");
    fuzz::check(again.sections() == ini.sections(), "the same sections");

    // The main window's own keys written over it survive a read.
    workspace::ProfileFile saved = again;
    workspace::writeCalcSettings(saved, settings);
    workspace::ProfileFile reread;
    reread.parse(saved.toText());
    const workspace::CalcSettings back = workspace::readCalcSettings(reread, QStringLiteral("/home"));
    fuzz::check(back.digits == settings.digits && back.notation == settings.notation &&
                    back.fromX == settings.fromX && back.title == settings.title &&
                    back.left == settings.left,
                "the window's settings come back as written");
    return 0;
}
