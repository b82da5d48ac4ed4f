#include "chart/io/data_file.h"

#include "chart/io/number_text.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace brelt::chart {

namespace {

template <typename View> bool blankLine(View line) {
    for (const auto c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// Walks the lines of `text` (any line end) and hands each with its 1-based number to `take`.
template <typename View, typename Take> void eachLineOf(View text, Take take) {
    qsizetype start = 0, number = 1;
    const qsizetype size = static_cast<qsizetype>(text.size());
    for (qsizetype i = 0; i <= size; ++i) {
        if (i < size && text[i] != '\n' && text[i] != '\r') continue;
        take(text.substr(static_cast<size_t>(start), static_cast<size_t>(i - start)),
             static_cast<int>(number++));
        if (i + 1 < size && text[i] == '\r' && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
}

// Bytes: a text with LF line ends is cut with memchr (the same lines as the general walk, which a
// text without any LF takes).
template <typename Take> void eachLine(std::string_view text, Take take) {
    if (text.find('\n') == std::string_view::npos) return eachLineOf(text, take);
    int number = 1;
    const char* p = text.data();
    const char* const end = p + text.size();
    for (;;) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (!eol) eol = end;
        const char* last = eol > p && eol[-1] == '\r' ? eol - 1 : eol;
        // A lone CR inside ends a line too.
        while (const char* cr =
                   static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(last - p)))) {
            take(std::string_view(p, static_cast<size_t>(cr - p)), number++);
            p = cr + 1;
        }
        take(std::string_view(p, static_cast<size_t>(last - p)), number++);
        if (eol == end) break;
        p = eol + 1;
    }
}

// QStringView has no substr: a thin view that has one.
struct Utf16View : QStringView {
    using QStringView::QStringView;
    Utf16View(QStringView v) : QStringView(v) {}
    Utf16View substr(size_t from, size_t count) const {
        return Utf16View(mid(static_cast<qsizetype>(from), static_cast<qsizetype>(count)));
    }
};

template <typename Take> void eachLine(Utf16View text, Take take) {
    eachLineOf(text, take);
}

template <typename LineView, typename FieldView>
void readLines(LineView text, const SeparatorTable& table, int xField, int yField, DataPoints& out) {
    std::vector<FieldView> fields;
    out.points.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    auto field = [&fields](int oneBased) {
        return oneBased >= 1 && oneBased <= static_cast<int>(fields.size())
                   ? readReal(fields[static_cast<size_t>(oneBased - 1)])
                   : std::nullopt;
    };
    eachLine(text, [&](LineView line, int number) {
        if (blankLine(FieldView(line))) return;
        splitFields(FieldView(line), table, fields);
        const auto x = field(xField), y = field(yField);
        if (x && y)
            out.points.push_back({*x, *y});
        else if (out.skippedLines++ == 0)
            out.firstSkipped = number;
    });
}

} // namespace

DataPoints readDataPoints(std::string_view text, const SeparatorTable& table, int xField, int yField) {
    DataPoints out;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (table.asciiOnly()) {
        readLines<std::string_view, std::string_view>(text, table, xField, yField, out);
    } else {
        const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        readLines<Utf16View, QStringView>(Utf16View(decoded), table, xField, yField, out);
    }
    return out;
}

} // namespace brelt::chart
