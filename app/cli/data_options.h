#pragma once
// The data options of `brelt --plot` and `brelt --data`: measured data read from ASCII files, the
// least-squares fit added to every series, and the chart's series written out as a text table or
// as a DXF drawing. They make Brelt a scriptable plotter of measured data:
//   brelt --data m.txt --fit 3 --out m.png
//   brelt --data m.txt --columns 2,3 --delimiters ';' --table m.tab --delimiter comma
// --columns and --delimiters given after a --data file apply to that file; given before any, to all.
#include "app/cli/option_reader.h"
#include "app/cli/picture_options.h"

#include <QChar>

#include <string>
#include <vector>

namespace brelt::app {

struct DataFileOption {
    std::string path;
    int xColumn = 1;
    int yColumn = 2;
    std::u16string delimiters = u" ,\t"; // the separator table, in order
};

struct DataOptions {
    std::vector<DataFileOption> files;
    DataFileOption defaults; // --columns and --delimiters given before any --data
    int fitDegree = 0;       // 0: no fit
    std::string table;       // --table FILE
    QChar tableDelimiter = QLatin1Char('\t');
    std::string dxf; // --dxf FILE

    // True when the run writes a file of its own, so that --out may be left out.
    bool writesFiles() const { return !table.empty() || !dxf.empty(); }
};

// Takes the reader's current argument when it is a data option.
OptionTake takeDataOption(DataOptions& options, OptionReader& reader);

std::string dataOptionsUsage();

} // namespace brelt::app
