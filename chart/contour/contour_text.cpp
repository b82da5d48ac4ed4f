#include "chart/contour/contour_text.h"

#include <charconv>
#include <cstdio>

namespace brelt::chart {

std::string shortestText(double v) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, v);
    return error == std::errc() ? std::string(text, end) : std::string("nan");
}

std::string contourLinesText(const std::vector<std::unique_ptr<ContourPolyline>>& lines) {
    std::string out;
    for (const auto& line : lines) {
        char level[40];
        std::snprintf(level, sizeof level, "%.12g", line->level);
        out += "# level ";
        out += level;
        out += "\r\n";
        for (const ContourPoint& p : line->points) {
            out += shortestText(p.x);
            out += ' ';
            out += shortestText(p.y);
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

} // namespace brelt::chart
