#pragma once
// The options every picture mode shares (--plot, --contour, --surface, ...): titles, picture size,
// the size factor of its fonts and lines, and file, the angle unit the formulas are evaluated with, and the
// home folder whose user functions and user variables the formulas may use. Each mode parses its own options
// and hands the rest to takePictureOption.
#include "app/cli/option_reader.h"

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

// A text note of --note "X,Y,TEXT": the text starts at the data point (X, Y).
struct PictureNote {
    double x = 0;
    double y = 0;
    std::string text;
};

struct PictureOptions {
    std::string title;
    std::string xName;
    std::string yName;
    int width = 1280;
    int height = 960;
    double scale = 0; // how much larger than on screen fonts and lines are; 0: from the size
    std::string out;
    int angleUnit = 1; // 0 rad, 1 deg: as --eval
    std::string home;  // empty: resolved as --eval resolves it
    // --page: the chart printed on a PDF page with the home's page settings; --page-size: "A4" or
    // "Letter", empty for the locale's paper.
    std::string page;
    std::string pageSize;
    // --note, in the order given (--plot, --contour and --data pictures).
    std::vector<PictureNote> notes;
};

inline constexpr int kMinPictureSide = 16;
inline constexpr int kMaxPictureSide = 16384;
inline constexpr double kMinPictureScale = 0.25;
inline constexpr double kMaxPictureScale = 20;

// What became of one argument offered to takePictureOption.
struct OptionTake {
    bool taken = false;
    std::optional<std::string> error; // a bad or missing value, as the usage error names it
};

// Reads the value of --note: "X,Y,TEXT" with finite numbers X and Y and a text that is not empty
// (it may hold commas); an error names what is wrong.
std::optional<PictureNote> parseNote(const std::string& value, std::string& error);

// Takes the reader's current argument when it is a shared picture option.
OptionTake takePictureOption(PictureOptions& options, OptionReader& reader);

// The checks of --out and --page once all arguments are read: one of them is given; --out ends in
// .png, .bmp, .svg or .pdf, or in one of `extraSuffixes` (lower case, without the dot) that the
// mode writes itself; --page ends in .pdf.
std::optional<std::string> checkPictureOut(const PictureOptions& options,
                                           std::initializer_list<const char*> extraSuffixes = {});

// The usage lines of the shared options, for the modes' usage texts.
std::string pictureOptionsUsage();

// A picture mode's answer to arguments it cannot take: the problem, the mode's usage and the
// picture options on `err`; the status 2.
int refusePictureArguments(std::ostream& err, const std::string& problem, const std::string& usage);

} // namespace brelt::app
