#include "workspace/calc_settings.h"

#include "chart/view/screen_placement.h"

#include <QWidget>

namespace brelt::workspace {

namespace {

const QString kCalcSettings = QStringLiteral("Calc Settings");
const QString kFiles = QStringLiteral("Files");
const QString kGraphics = QStringLiteral("Graphics");
const QString kCalc = QStringLiteral("Calc");

QString stepKey(char axis, int index) {
    return QStringLiteral("Step%1%2").arg(QLatin1Char(axis)).arg(index);
}

} // namespace

CalcSettings readCalcSettings(const ProfileFile& ini, const QString& homeDir) {
    CalcSettings s;
    s.notation = ini.readInt(kCalcSettings, QStringLiteral("Notation"), s.notation);
    s.digits = ini.readInt(kCalcSettings, QStringLiteral("Digits"), s.digits);
    s.precision = ini.readInt(kCalcSettings, QStringLiteral("Precison"), s.precision);
    s.assistant = ini.readBool(kCalcSettings, QStringLiteral("Assistant"), s.assistant);
    s.hint = ini.readBool(kCalcSettings, QStringLiteral("Hint"), s.hint);
    s.degrees = ini.readBool(kCalcSettings, QStringLiteral("Angle"), s.degrees);
    s.variablesFile =
        ini.readString(kFiles, QStringLiteral("Variables"), homeDir + QStringLiteral("/Brelt.USR"));
    s.functionsFile =
        ini.readString(kFiles, QStringLiteral("Functions"), homeDir + QStringLiteral("/Brelt.FNC"));
    s.plotType = ini.readInt(kGraphics, QStringLiteral("Plot Type"), s.plotType);
    s.fromX = ini.readString(kGraphics, QStringLiteral("Xx min"), s.fromX);
    s.toX = ini.readString(kGraphics, QStringLiteral("Yx min"), s.toX);
    s.fromY = ini.readString(kGraphics, QStringLiteral("Xy min"), s.fromY);
    s.toY = ini.readString(kGraphics, QStringLiteral("Yy min"), s.toY);
    for (int i = 0; i < kPlotTypeCount; ++i) {
        s.stepsX[i] = ini.readInt(kGraphics, stepKey('X', i), s.stepsX[i]);
        s.stepsY[i] = ini.readInt(kGraphics, stepKey('Y', i), s.stepsY[i]);
    }
    s.legend = ini.readString(kGraphics, QStringLiteral("Legend"), s.legend);
    s.title = ini.readString(kGraphics, QStringLiteral("Title"), s.title);
    s.xAxis = ini.readString(kGraphics, QStringLiteral("X axis"), s.xAxis);
    s.yAxis = ini.readString(kGraphics, QStringLiteral("Y axis"), s.yAxis);
    s.left = ini.readInt(kCalc, QStringLiteral("Left"), s.left);
    s.top = ini.readInt(kCalc, QStringLiteral("Top"), s.top);
    // Values outside what the controls can show would be clamped by them anyway; keep the
    // plot type an index the step tables have.
    if (s.plotType < 0 || s.plotType >= kPlotTypeCount) s.plotType = 0;
    return s;
}

void writeCalcSettings(ProfileFile& ini, const CalcSettings& s) {
    ini.writeInt(kCalcSettings, QStringLiteral("Notation"), s.notation);
    ini.writeInt(kCalcSettings, QStringLiteral("Angle"), s.degrees ? 1 : 0);
    ini.writeInt(kCalcSettings, QStringLiteral("Digits"), s.digits);
    ini.writeInt(kCalcSettings, QStringLiteral("Precison"), s.precision);
    ini.writeBool(kCalcSettings, QStringLiteral("Assistant"), s.assistant);
    ini.writeBool(kCalcSettings, QStringLiteral("Hint"), s.hint);
    ini.writeInt(kGraphics, QStringLiteral("Plot Type"), s.plotType);
    ini.writeString(kGraphics, QStringLiteral("Xx min"), s.fromX);
    ini.writeString(kGraphics, QStringLiteral("Yx min"), s.toX);
    ini.writeString(kGraphics, QStringLiteral("Xy min"), s.fromY);
    ini.writeString(kGraphics, QStringLiteral("Yy min"), s.toY);
    ini.writeString(kGraphics, QStringLiteral("Legend"), s.legend);
    ini.writeString(kGraphics, QStringLiteral("Title"), s.title);
    ini.writeString(kGraphics, QStringLiteral("X axis"), s.xAxis);
    ini.writeString(kGraphics, QStringLiteral("Y axis"), s.yAxis);
    for (int i = 0; i < kPlotTypeCount; ++i)
        ini.writeInt(kGraphics, stepKey('X', i), s.stepsX[i]);
    for (int i = 0; i < kPlotTypeCount; ++i)
        ini.writeInt(kGraphics, stepKey('Y', i), s.stepsY[i]);
    ini.writeInt(kCalc, QStringLiteral("Left"), s.left);
    ini.writeInt(kCalc, QStringLiteral("Top"), s.top);
}

void writeFileNames(ProfileFile& ini, const CalcSettings& s) {
    ini.writeString(kFiles, QStringLiteral("Variables"), s.variablesFile);
    ini.writeString(kFiles, QStringLiteral("Functions"), s.functionsFile);
}

WindowPlacement readWindowPlacement(const ProfileFile& ini, const QString& windowName) {
    WindowPlacement p;
    p.left = ini.readInt(windowName, QStringLiteral("Left"), p.left);
    p.top = ini.readInt(windowName, QStringLiteral("Top"), p.top);
    p.width = ini.readInt(windowName, QStringLiteral("Width"), p.width);
    p.height = ini.readInt(windowName, QStringLiteral("Height"), p.height);
    // A zero or negative size would make the window vanish for good; fall back to the default.
    if (p.width <= 0) p.width = WindowPlacement{}.width;
    if (p.height <= 0) p.height = WindowPlacement{}.height;
    return p;
}

void writeWindowPlacement(ProfileFile& ini, const QString& windowName, const WindowPlacement& p) {
    ini.writeInt(windowName, QStringLiteral("Left"), p.left);
    ini.writeInt(windowName, QStringLiteral("Top"), p.top);
    ini.writeInt(windowName, QStringLiteral("Width"), p.width);
    ini.writeInt(windowName, QStringLiteral("Height"), p.height);
}

void loadWindowPosition(QWidget* window, const QString& iniPath) {
    ProfileFile ini(iniPath);
    ini.load();
    const WindowPlacement p = readWindowPlacement(ini, window->objectName());
    // A placement from a monitor no longer there, or from a damaged file, lands on a current screen.
    const QRect placed = chart::visiblePlacement(QRect(p.left, p.top, p.width, p.height));
    window->move(placed.topLeft());
    window->resize(placed.size());
}

QPoint visibleCalcPosition(const CalcSettings& settings, const QSize& windowSize) {
    return chart::visiblePlacement(QRect(QPoint(settings.left, settings.top), windowSize)).topLeft();
}

bool saveWindowPosition(const QWidget* window, const QString& iniPath) {
    ProfileFile ini(iniPath);
    ini.load(); // the other sections are kept
    const QRect frame = window->frameGeometry();
    writeWindowPlacement(ini, window->objectName(),
                         {frame.left(), frame.top(), window->width(), window->height()});
    return ini.save();
}

} // namespace brelt::workspace
