#include "app/cli/picture_options.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace brelt::app {

namespace {

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isSharedOption(const std::string& name) {
    static const char* const names[] = {"--title", "--xname", "--yname", "--size", "--scale",
                                        "--out",   "--angle", "--home",  "--note"};
    if (name == "--page" || name == "--page-size") return true;
    return std::any_of(std::begin(names), std::end(names), [&name](const char* n) { return name == n; });
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<PictureNote> parseNote(const std::string& value, std::string& error) {
    const auto bad = [&error, &value](const std::string& why) {
        error = "--note takes \"X,Y,TEXT\" (" + why + "), not \"" + value + "\"";
        return std::nullopt;
    };
    const auto first = value.find(',');
    const auto second = first == std::string::npos ? first : value.find(',', first + 1);
    if (second == std::string::npos) return bad("two commas");
    const auto x = parseLongDouble(trimmed(value.substr(0, first)));
    const auto y = parseLongDouble(trimmed(value.substr(first + 1, second - first - 1)));
    if (!x || !y || !std::isfinite(static_cast<double>(*x)) || !std::isfinite(static_cast<double>(*y)))
        return bad("X and Y numbers");
    PictureNote note{static_cast<double>(*x), static_cast<double>(*y), value.substr(second + 1)};
    if (trimmed(note.text).empty()) return bad("a text");
    return note;
}

OptionTake takePictureOption(PictureOptions& o, OptionReader& reader) {
    OptionTake take;
    const std::string name = reader.name();
    if (!isSharedOption(name)) return take;
    take.taken = true;
    const std::optional<std::string> value = reader.value();
    if (!value) {
        take.error = name + " needs a value";
        return take;
    }
    if (name == "--title") {
        o.title = *value;
    } else if (name == "--xname") {
        o.xName = *value;
    } else if (name == "--yname") {
        o.yName = *value;
    } else if (name == "--size") {
        const auto x = value->find_first_of("xX");
        const auto w = x == std::string::npos ? std::nullopt : parseWholeNumber(value->substr(0, x));
        const auto h = x == std::string::npos ? std::nullopt : parseWholeNumber(value->substr(x + 1));
        if (!w || !h || *w < kMinPictureSide || *h < kMinPictureSide || *w > kMaxPictureSide ||
            *h > kMaxPictureSide) {
            take.error = "--size must be WIDTHxHEIGHT, each from " + std::to_string(kMinPictureSide) +
                         " to " + std::to_string(kMaxPictureSide);
            return take;
        }
        o.width = *w;
        o.height = *h;
    } else if (name == "--scale") {
        const auto s = parseLongDouble(*value);
        if (!s || !(*s >= kMinPictureScale && *s <= kMaxPictureScale)) {
            take.error = "--scale must be a number from 0.25 to 20, not \"" + *value + "\"";
            return take;
        }
        o.scale = static_cast<double>(*s);
    } else if (name == "--out") {
        o.out = *value;
    } else if (name == "--angle") {
        const std::string unit = lowered(*value);
        if (unit != "rad" && unit != "deg") {
            take.error = "--angle takes rad or deg, not \"" + *value + "\"";
            return take;
        }
        o.angleUnit = unit == "deg" ? 1 : 0;
    } else if (name == "--home") {
        if (value->empty()) {
            take.error = "--home needs a folder";
            return take;
        }
        o.home = *value;
    } else if (name == "--note") {
        std::string error;
        const auto note = parseNote(*value, error);
        if (!note) {
            take.error = error;
            return take;
        }
        o.notes.push_back(*note);
    } else if (name == "--page") {
        o.page = *value;
    } else if (name == "--page-size") {
        const std::string size = lowered(*value);
        if (size != "a4" && size != "letter") {
            take.error = "--page-size takes A4 or Letter, not \"" + *value + "\"";
            return take;
        }
        o.pageSize = size == "a4" ? "A4" : "Letter";
    }
    return take;
}

std::optional<std::string> checkPictureOut(const PictureOptions& o,
                                           std::initializer_list<const char*> extraSuffixes) {
    if (o.out.empty() && o.page.empty()) return "--out FILE or --page FILE.pdf is required";
    if (!o.page.empty() && QFileInfo(QString::fromStdString(o.page)).suffix().toLower() != "pdf")
        return "--page must end in .pdf";
    if (o.out.empty()) return std::nullopt;
    std::vector<std::string> allowed = {"png", "bmp", "svg", "pdf"};
    allowed.insert(allowed.end(), extraSuffixes.begin(), extraSuffixes.end());
    const std::string suffix = QFileInfo(QString::fromStdString(o.out)).suffix().toLower().toStdString();
    if (std::find(allowed.begin(), allowed.end(), suffix) != allowed.end()) return std::nullopt;
    std::string list;
    for (size_t i = 0; i < allowed.size(); ++i)
        list += (i == 0 ? "." : i + 1 == allowed.size() ? " or ." : ", .") + allowed[i];
    return "--out must end in " + list;
}

std::string pictureOptionsUsage() {
    return "  --title TEXT          the chart's title\n"
           "  --xname TEXT          the X axis name\n"
           "  --yname TEXT          the Y axis name\n"
           "  --size WxH            picture size in pixels (default 1280x960)\n"
           "  --scale S             fonts, lines and markers S times their size on screen\n"
           "                        (default: the picture's size over 640x480, at least 1)\n"
           "  --out FILE            the picture: .png, .bmp, .svg or .pdf\n"
           "  --angle UNIT          deg (default) or rad, as for --eval\n"
           "  --home DIR            whose user functions and user variables the formulas use\n"
           "  --page FILE.pdf       the chart printed on a page with the home's margins and labels\n"
           "  --page-size SIZE      A4 or Letter (default: the locale's paper)\n"
           "  --note \"X,Y,TEXT\"     a text note starting at the data point X,Y (repeatable;\n"
           "                        --plot, --contour and --data pictures)\n";
}

int refusePictureArguments(std::ostream& err, const std::string& problem, const std::string& usage) {
    err << "brelt: " << problem << "\n\n" << usage << "\nPicture options:\n" << pictureOptionsUsage();
    return 2;
}

} // namespace brelt::app
