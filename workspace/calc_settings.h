#pragma once
// The main window's settings as they stand in "Brelt.INI", with their defaults, and the placement
// of the plot windows (a section named after each window with "Left", "Top", "Width", "Height").
// Reading never fails: a missing file or key yields the default.
#include "workspace/profile_file.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

class QWidget;

namespace brelt::workspace {

inline constexpr int kPlotTypeCount = 5;

struct CalcSettings {
    // "Calc Settings"
    int notation = 0;
    int digits = 12;
    int precision = 9; // key "Precison", spelled as stored files have it
    bool assistant = true;
    bool hint = true;
    bool degrees = true; // key "Angle": 0 radians, non-zero degrees
    // "Files"
    QString variablesFile;
    QString functionsFile;
    // "Graphics"
    int plotType = 0;
    QString fromX = QStringLiteral("-10");
    QString toX = QStringLiteral("10");
    QString fromY = QStringLiteral("-10");
    QString toY = QStringLiteral("10");
    std::array<int, kPlotTypeCount> stepsX{200, 40, 40, 40, 360};
    std::array<int, kPlotTypeCount> stepsY{0, 40, 40, 40, 0};
    QString legend;
    QString title = QStringLiteral("f()");
    QString xAxis = QStringLiteral("X");
    QString yAxis = QStringLiteral("Y");
    // "Calc"
    int left = 0;
    int top = 0;
};

// `homeDir` gives the defaults of the two file names (home + "/Brelt.USR", "/Brelt.FNC").
CalcSettings readCalcSettings(const ProfileFile& ini, const QString& homeDir);
// Writes every key the main window saves at closing (not the "Files" keys).
void writeCalcSettings(ProfileFile& ini, const CalcSettings& settings);
// The "Files" keys, written by the Save As buttons of the variables and functions tabs.
void writeFileNames(ProfileFile& ini, const CalcSettings& settings);

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 640;
    int height = 480;
};

WindowPlacement readWindowPlacement(const ProfileFile& ini, const QString& windowName);
void writeWindowPlacement(ProfileFile& ini, const QString& windowName, const WindowPlacement& placement);

// The loader and saver every plot window calls from its creation and close handlers: the section
// is the window's objectName ("fmPlot2D", "fmContourPlot", "fmPolar", "fmSurface"). The saver
// rewrites only that section; the other sections of the file are kept. False when the file could
// not be written.
// A placement that no current screen shows (an unplugged monitor, a damaged file) is moved onto
// the primary screen.
void loadWindowPosition(QWidget* window, const QString& iniPath);
bool saveWindowPosition(const QWidget* window, const QString& iniPath);

// Where the main window of `windowSize` stands: "Calc"/"Left", "Top" when a current screen shows
// it, else on the primary screen.
QPoint visibleCalcPosition(const CalcSettings& settings, const QSize& windowSize);

} // namespace brelt::workspace
