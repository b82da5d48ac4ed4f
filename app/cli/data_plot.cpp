#include "app/cli/data_plot.h"

#include "chart/data/series.h"
#include "chart/fit/fit_series.h"
#include "chart/io/data_file.h"
#include "chart/io/dxf_writer.h"
#include "chart/io/export_text.h"
#include "chart/io/text_file.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"

#include <QFile>
#include <QFileInfo>

namespace brelt::app {

namespace {

constexpr int kMarkedPointLimit = 5000;

std::vector<chart::TSeries*> seriesOf(const chart::TGraph& graph) {
    std::vector<chart::TSeries*> list;
    for (int i = 0; i < graph.LayerCount(); ++i)
        if (auto* s = dynamic_cast<chart::TSeries*>(graph.Layers(i))) list.push_back(s);
    return list;
}

bool writeFile(const std::string& path, const QByteArray& bytes, std::ostream& err) {
    QString error;
    if (chart::writeFileAtomically(QString::fromStdString(path), bytes, &error)) return true;
    err << "brelt: cannot write " << path << ": " << error.toStdString() << '\n';
    return false;
}

} // namespace

bool addDataSeries(chart::TGraph& graph, const DataOptions& options, std::ostream& err) {
    using namespace brelt::chart;
    for (const DataFileOption& file : options.files) {
        QFile in(QString::fromStdString(file.path));
        if (!in.open(QIODevice::ReadOnly)) {
            err << "brelt: cannot read " << file.path << ": " << in.errorString().toStdString() << '\n';
            return false;
        }
        DataPoints data;
        {
            const QByteArray bytes = in.readAll(); // gone before the series is built
            data = readDataPoints(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                  SeparatorTable::of(file.delimiters), file.xColumn, file.yColumn);
        }
        const std::string columns = std::to_string(file.xColumn) + " and " + std::to_string(file.yColumn);
        if (data.points.empty()) {
            err << "brelt: " << file.path << ": no line holds numbers in columns " << columns << '\n';
            return false;
        }
        if (data.skippedLines > 0)
            err << "brelt: " << file.path << ": " << data.skippedLines
                << (data.skippedLines == 1 ? " line" : " lines") << " without numbers in columns " << columns
                << " skipped (the first is line " << data.firstSkipped << ")\n";
        const bool marked = data.points.size() <= kMarkedPointLimit;
        const TColor color = graph.FreeColor();
        auto series = std::make_unique<TSeries>(&graph, QFileInfo(in.fileName()).fileName(),
                                                marked ? SeriesStyle::Points : SeriesStyle::Line,
                                                color < 0 ? clBlack : color);
        if (marked) series->setMarkerStyle(graph.FreeMarker());
        for (const WorldPoint& p : data.points)
            series->AddPoint(series->GetColor(), QString(), p.X, p.Y);
        graph.addLineLegend(*static_cast<TSeries*>(graph.AddLayer(std::move(series))));
    }
    return true;
}

std::pair<long double, long double> seriesXRange(const chart::TGraph& graph) {
    const chart::Extents e = graph.GetExtents();
    if (e.isEmpty()) return {0, 1};
    if (e.minX == e.maxX) return {e.minX - 1.0L, e.maxX + 1.0L};
    return {e.minX, e.maxX};
}

bool finishDataOutputs(chart::TGraph& graph, const DataOptions& options, std::ostream& err) {
    using namespace brelt::chart;
    if (options.fitDegree > 0) {
        for (TSeries* source : seriesOf(graph)) {
            auto fit = std::make_unique<TFitSeries>(*source, kFitSamples, options.fitDegree);
            fit->setLineWidth(2); // stands out against the markers of measured data
            if (fit->Count() == 0)
                err << "brelt: " << source->Name().toStdString()
                    << ": its points do not determine a polynomial "
                    << "of degree " << options.fitDegree << "; the fit stays empty\n";
            graph.addLineLegend(*static_cast<TSeries*>(graph.AddLayer(std::move(fit))));
        }
    }
    if (!options.table.empty()) {
        std::vector<ExportSource> sources;
        for (const TSeries* s : seriesOf(graph)) {
            ExportSource source;
            source.seriesName = s->Name();
            source.xName = graph.XAxis().Name();
            source.yName = graph.YAxis().Name();
            source.points.reserve(static_cast<size_t>(s->Count()));
            for (int i = 0; i < s->Count(); ++i)
                source.points.push_back(s->pointAt(i));
            sources.push_back(std::move(source));
        }
        const QString text = crlfText(seriesTableLines(sources, options.tableDelimiter));
        if (!writeFile(options.table, text.toUtf8(), err)) return false;
    }
    if (!options.dxf.empty()) {
        TDXF dxf;
        graph.DrawToDxf(dxf);
        if (!writeFile(options.dxf, dxf.dxfFile(), err)) return false;
    }
    return true;
}

} // namespace brelt::app
