#pragma once
// What the chart dialog tests share: a chart engine with series, control lookup by name, and a way
// to act inside a modal dialog once its loop runs.
#include "chart/data/series.h"
#include "chart/view/graph.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace brelt::testing {

// Adds a series with its legend line to the chart.
inline chart::TSeries* addSeries(chart::TGraph& graph, const QString& name,
                                 const std::vector<chart::WorldPoint>& points,
                                 chart::TColor color = chart::clRed) {
    auto s = std::make_unique<chart::TSeries>(&graph, name, chart::SeriesStyle::LineAndPoint, color);
    for (const chart::WorldPoint& p : points)
        s->AddPoint(color, QString(), p.X, p.Y);
    auto* added = static_cast<chart::TSeries*>(graph.AddLayer(std::move(s)));
    graph.addLineLegend(*added);
    return added;
}

template <typename W> W* control(QObject* dialog, const char* name) {
    W* w = dialog->findChild<W*>(QLatin1String(name));
    if (!w) throw std::runtime_error(std::string("no control ") + name);
    return w;
}

// Runs `step` on the modal dialog that the next exec() opens.
inline void whenModal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) step(modal);
    });
}

} // namespace brelt::testing
