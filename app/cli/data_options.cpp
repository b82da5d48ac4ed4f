#include "app/cli/data_options.h"

#include "chart/fit/least_squares.h"
#include "chart/io/export_text.h"
#include "chart/io/field_split.h"

#include <QString>

#include <algorithm>

namespace brelt::app {

namespace {

bool isDataOption(const std::string& name) {
    static const char* const names[] = {"--data",  "--columns",   "--delimiters", "--fit",
                                        "--table", "--delimiter", "--dxf"};
    return std::any_of(std::begin(names), std::end(names), [&name](const char* n) { return name == n; });
}

// "\t" typed as two characters stands for a tab.
std::u16string delimiterCharacters(const std::string& typed) {
    QString text = QString::fromStdString(typed);
    text.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
    return text.toStdU16String();
}

} // namespace

OptionTake takeDataOption(DataOptions& o, OptionReader& reader) {
    OptionTake take;
    const std::string name = reader.name();
    if (!isDataOption(name)) return take;
    take.taken = true;
    const std::optional<std::string> value = reader.value();
    if (!value || value->empty()) {
        take.error = name + " needs a value";
        return take;
    }
    DataFileOption& current = o.files.empty() ? o.defaults : o.files.back();
    if (name == "--data") {
        DataFileOption file = o.defaults;
        file.path = *value;
        o.files.push_back(file);
    } else if (name == "--columns") {
        const auto comma = value->find(',');
        const auto x = comma == std::string::npos ? std::nullopt : parseWholeNumber(value->substr(0, comma));
        const auto y = comma == std::string::npos ? std::nullopt : parseWholeNumber(value->substr(comma + 1));
        if (!x || !y || *x < 1 || *y < 1 || *x > 1000 || *y > 1000) {
            take.error = "--columns must be X,Y with whole numbers from 1 to 1000";
            return take;
        }
        current.xColumn = *x;
        current.yColumn = *y;
    } else if (name == "--delimiters") {
        const std::u16string chars = delimiterCharacters(*value);
        if (chars.size() > static_cast<size_t>(chart::SeparatorTable::kCapacity)) {
            take.error = "--delimiters takes at most " + std::to_string(chart::SeparatorTable::kCapacity) +
                         " characters";
            return take;
        }
        current.delimiters = chars;
    } else if (name == "--fit") {
        const auto degree = parseWholeNumber(*value);
        if (!degree || *degree < 1 || *degree > chart::kMaxFitDegree) {
            take.error = "--fit must be a whole number from 1 to " + std::to_string(chart::kMaxFitDegree);
            return take;
        }
        o.fitDegree = *degree;
    } else if (name == "--table") {
        o.table = *value;
    } else if (name == "--delimiter") {
        const auto d = chart::delimiterFromWord(QString::fromStdString(*value));
        if (!d) {
            take.error = "--delimiter must be tab, comma, space, slash or one character";
            return take;
        }
        o.tableDelimiter = *d;
    } else {
        o.dxf = *value;
    }
    return take;
}

std::string dataOptionsUsage() {
    return "  --data FILE         a series of two columns of an ASCII file, named after the file\n"
           "    --columns X,Y     the columns of X and Y (default 1,2)\n"
           "    --delimiters CHARS  the characters between columns, first first (default blank,\n"
           "                      comma and tab; \\t is a tab); a run of one counts once\n"
           "  --fit N             adds to every series its least-squares polynomial of degree N (1-40)\n"
           "  --table FILE        writes every series as text: name, axis names, one line a point\n"
           "    --delimiter D     tab (default), comma, space, slash or one character\n"
           "  --dxf FILE          writes the chart's lines as a DXF drawing\n"
           "With --data no formula and no range are needed: the X range comes from the data.\n"
           "With --table or --dxf, --out may be left out.\n";
}

} // namespace brelt::app
