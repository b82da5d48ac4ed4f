#include "app/cli/plot_options.h"

#include <QFileInfo>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace brelt::app {

namespace {

std::optional<long double> parseNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> parseInt(const std::string& text) {
    int v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

bool takesValue(const std::string& name) {
    static const char* const names[] = {"--plot",  "--from",  "--to",   "--steps", "--title",
                                        "--xname", "--yname", "--size", "--out"};
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

} // namespace

PlotParse parsePlotOptions(const std::vector<std::string>& args) {
    PlotParse result;
    PlotOptions& o = result.options;
    bool haveFrom = false, haveTo = false;
    auto fail = [&result](const std::string& message) {
        result.error = message;
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (takesValue(name) && !value) {
            if (i + 1 >= args.size()) return fail(name + " needs a value");
            value = args[++i];
        }
        if (name == "--plot") {
            if (value->find_first_not_of(" \t") == std::string::npos) return fail("--plot needs a formula");
            o.formulas.push_back(*value);
        } else if (name == "--from" || name == "--to") {
            const auto v = parseNumber(*value);
            if (!v) return fail(name + ": not a number: " + *value);
            (name == "--from" ? o.from : o.to) = *v;
            (name == "--from" ? haveFrom : haveTo) = true;
        } else if (name == "--steps") {
            const auto v = parseInt(*value);
            if (!v || *v < kMinPlotSteps || *v > kMaxPlotSteps)
                return fail("--steps must be a whole number from " + std::to_string(kMinPlotSteps) + " to " +
                            std::to_string(kMaxPlotSteps));
            o.steps = *v;
        } else if (name == "--title") {
            o.title = *value;
        } else if (name == "--xname") {
            o.xName = *value;
        } else if (name == "--yname") {
            o.yName = *value;
        } else if (name == "--size") {
            const auto x = value->find_first_of("xX");
            const auto w = x == std::string::npos ? std::nullopt : parseInt(value->substr(0, x));
            const auto h = x == std::string::npos ? std::nullopt : parseInt(value->substr(x + 1));
            if (!w || !h || *w < kMinPictureSide || *h < kMinPictureSide || *w > kMaxPictureSide ||
                *h > kMaxPictureSide)
                return fail("--size must be WIDTHxHEIGHT, each from " + std::to_string(kMinPictureSide) +
                            " to " + std::to_string(kMaxPictureSide));
            o.width = *w;
            o.height = *h;
        } else if (name == "--out") {
            o.out = *value;
        } else if (name == "--log-x" && !value) {
            o.logX = true;
        } else if (name == "--log-y" && !value) {
            o.logY = true;
        } else if (name == "--grid" && !value) {
            o.grid = true;
        } else {
            return fail("unknown plot option: " + args[i]);
        }
    }
    if (o.formulas.empty()) return fail("--plot needs a formula");
    if (!haveFrom || !haveTo) return fail("--from and --to are required");
    if (o.from == o.to) return fail("--from and --to must differ");
    if (o.logX && (o.from <= 0 || o.to <= 0)) return fail("--log-x needs --from and --to above 0");
    if (o.out.empty()) return fail("--out FILE is required");
    const QString suffix = QFileInfo(QString::fromStdString(o.out)).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf"))
        return fail("--out must end in .png, .bmp, .svg or .pdf");
    return result;
}

std::string plotUsageText() {
    return "Usage: brelt --plot FORMULA [--plot FORMULA ...] --from A --to B [--steps N]\n"
           "             [--title TEXT] [--xname TEXT] [--yname TEXT] [--log-x] [--log-y] [--grid]\n"
           "             [--size WxH] --out FILE\n"
           "\n"
           "Tabulates each formula over X from A to B in N points (default 200) and writes the\n"
           "chart as PNG, BMP, SVG or PDF, by the extension of FILE (default size 1280x960).\n";
}

} // namespace brelt::app
