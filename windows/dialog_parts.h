#pragma once
// Small pieces the chart dialogs share: naming controls (objectName = the control's name, so tests
// and the keyboard find them), the message box title, the series style and line style lists, the
// marker names, and the check of the "Polynomial degree" field.
#include "chart/data/marker_style.h"
#include "chart/data/series.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace brelt::windows {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline const QString kBoxTitle = QStringLiteral("Brelt");

// The style list of the data editor and the properties dialog: the series styles 1..6 in order
// (style = index + 1). A series drawn as single bars (style 7, chosen by the chart's bar mode)
// shows as "Bar".
const QStringList& seriesStyleNames();
int styleIndexOf(chart::SeriesStyle style);
chart::SeriesStyle styleAt(int index);
// "Solid", "Dash ", "Dot", "DashDot", "DashDotDot ", "Clear" (line style = index).
const QStringList& lineStyleNames();

// The 49 marker symbols by name: "None", "Rect", ..., "Circle6Star1".
QString markerName(chart::TMarkerStyle style);

} // namespace brelt::windows
