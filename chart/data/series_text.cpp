// The series block of a chart file: written by SaveToText, read back by LoadFromText. A damaged
// block stops where it is damaged; the points read so far stay and the loader reports the line.
#include "chart/data/chart_text.h"
#include "chart/data/series.h"

namespace brelt::chart {

namespace {

const QString kSeries = QStringLiteral("TSeries");
const QString kGraphData = QStringLiteral("TGraphData");
const QString kMarker = QStringLiteral("TMarker");

// A string field runs to the end of its line, so it must not hold a line break.
QString oneLine(const QString& s) {
    QString out = s;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

void expectLine(ChartTextReader& reader, const QString& className) {
    if (reader.readLine().trimmed() != className)
        throw ChartReadError{QStringLiteral("expected %1").arg(className), className};
}

} // namespace

void TSeries::SaveToText(ChartTextWriter& w) const {
    using W = ChartTextWriter;
    w.line(kSeries);
    w.line(oneLine(m_name));
    w.fields({W::integer(m_color), W::boolean(m_visible), W::boolean(m_selected)});
    w.fields({W::integer(m_dragMask), W::integer(m_infoMask), W::integer(m_deleteMask)});
    QStringList head = {W::integer(toInt(m_markerStyle)),
                        W::integer(m_lineWidth),
                        W::integer(m_markerSize),
                        W::integer(m_markerFillColor),
                        W::integer(m_markerPenColor),
                        W::integer(m_markerStep),
                        W::boolean(m_penFollowsColor),
                        W::integer(Count()),
                        W::integer(static_cast<int>(m_style)),
                        W::integer(static_cast<int>(m_lineStyle)),
                        W::real(m_barWidth)};
    w.line(head.join(QLatin1Char(' ')) + QLatin1Char(' ') + oneLine(m_caption));
    const SeriesOptions& o = m_options;
    w.fields({W::boolean(o.highlightSelected), W::boolean(o.allowDelete), W::boolean(o.allowHide),
              W::boolean(o.selectable), W::boolean(o.selectWhenHidden), W::boolean(o.hitTestable),
              W::boolean(o.allowInfo), W::boolean(o.allowDrag), W::boolean(o.showHitPoint),
              W::boolean(o.allowEdit), W::boolean(m_legend == nullptr)});
    for (const auto& rec : m_points) {
        const TGraphData& r = *rec;
        w.line(kGraphData);
        QStringList f = {W::integer(r.Tag),   W::real(r.Prev.X),   W::real(r.Prev.Y),    W::real(r.Pt.X),
                         W::real(r.Pt.Y),     W::boolean(r.Flag1), W::boolean(r.Flag2),  W::integer(r.Value),
                         W::integer(r.Color), W::integer(r.Extra), W::boolean(!r.Marker)};
        w.line(f.join(QLatin1Char(' ')) + QLatin1Char(' ') + oneLine(r.Name));
        if (r.Marker) r.Marker->SaveToText(w);
        w.line(kGraphData);
    }
    w.line(kSeries);
}

void TSeries::readPoint(ChartTextReader& reader) {
    expectLine(reader, kGraphData);
    try {
        readPointBody(reader);
    } catch (ChartReadError& e) {
        if (e.className.isEmpty()) e.className = kGraphData;
        throw;
    }
    expectLine(reader, kGraphData);
}

void TSeries::readPointBody(ChartTextReader& reader) {
    const QStringList f = reader.splitFields(reader.readLine(), 11, true);
    auto rec = std::make_unique<TGraphData>();
    rec->Graph = m_graph;
    rec->Series = this;
    rec->Tag = static_cast<std::int32_t>(ChartTextReader::toInteger(f[0]));
    rec->Prev = {ChartTextReader::toReal(f[1]), ChartTextReader::toReal(f[2])};
    rec->Pt = {ChartTextReader::toReal(f[3]), ChartTextReader::toReal(f[4])};
    rec->Flag1 = ChartTextReader::toBool(f[5]);
    rec->Flag2 = ChartTextReader::toBool(f[6]);
    rec->Value = static_cast<std::int32_t>(ChartTextReader::toInteger(f[7]));
    rec->Color = static_cast<TColor>(ChartTextReader::toInteger(f[8]));
    rec->Extra = static_cast<std::int32_t>(ChartTextReader::toInteger(f[9]));
    const bool noMarker = ChartTextReader::toBool(f[10]);
    rec->Name = f[11].trimmed();
    if (!noMarker) {
        expectLine(reader, kMarker);
        rec->Marker.emplace();
        try {
            rec->Marker->LoadFromText(reader);
        } catch (ChartReadError& e) {
            if (e.className.isEmpty()) e.className = kMarker;
            throw;
        }
    }
    m_points.push_back(std::move(rec));
}

void TSeries::LoadFromText(ChartTextReader& reader) {
    m_points.clear();
    bool headRead = false;
    bool hadLegend = false;
    try {
        readLayerLines(reader);
        const QStringList masks = reader.splitFields(reader.readLine(), 3, false);
        setMasks(static_cast<ShiftState>(ChartTextReader::toInteger(masks[0])),
                 static_cast<ShiftState>(ChartTextReader::toInteger(masks[1])),
                 static_cast<ShiftState>(ChartTextReader::toInteger(masks[2])));
        const QStringList h = reader.splitFields(reader.readLine(), 11, true);
        m_markerStyle = markerStyleFromInt(static_cast<int>(ChartTextReader::toInteger(h[0])));
        m_lineWidth = static_cast<int>(ChartTextReader::toInteger(h[1]));
        m_markerSize = static_cast<int>(ChartTextReader::toInteger(h[2]));
        m_markerFillColor = static_cast<TColor>(ChartTextReader::toInteger(h[3]));
        m_markerPenColor = static_cast<TColor>(ChartTextReader::toInteger(h[4]));
        m_markerStep = static_cast<int>(ChartTextReader::toInteger(h[5]));
        m_penFollowsColor = ChartTextReader::toBool(h[6]);
        const long long count = ChartTextReader::toInteger(h[7]);
        const long long style = ChartTextReader::toInteger(h[8]);
        m_style = style >= 1 && style <= 7 ? static_cast<SeriesStyle>(style) : SeriesStyle::Line;
        const long long ls = ChartTextReader::toInteger(h[9]);
        m_lineStyle = ls >= 0 && ls <= 5 ? static_cast<LineStyle>(ls) : LineStyle::Solid;
        m_barWidth = ChartTextReader::toReal(h[10]);
        m_caption = h[11];
        const QStringList fl = reader.splitFields(reader.readLine(), 11, false);
        SeriesOptions& o = m_options;
        bool* flags[] = {&o.highlightSelected, &o.allowDelete, &o.allowHide, &o.selectable,
                         &o.selectWhenHidden,  &o.hitTestable, &o.allowInfo, &o.allowDrag,
                         &o.showHitPoint,      &o.allowEdit};
        for (int i = 0; i < 10; ++i)
            *flags[i] = ChartTextReader::toBool(fl[i]);
        hadLegend = !ChartTextReader::toBool(fl[10]);
        headRead = true;
        if (count < 0) throw ChartReadError{QStringLiteral("negative point count"), kSeries};
        for (long long i = 0; i < count; ++i)
            readPoint(reader);
        expectLine(reader, kSeries);
    } catch (ChartReadError& e) {
        if (e.className.isEmpty()) e.className = kSeries;
        if (headRead) finishLoading(hadLegend);
        throw;
    }
    finishLoading(hadLegend);
}

void TSeries::finishLoading(bool hadLegend) {
    setSeriesStyle(m_style);
    setLineStyle(m_lineStyle);
    setMarkerStyle(m_markerStyle);
    // A series that had a legend line gets a new one in this chart's legend.
    if (hadLegend && !m_legend && m_graph) LinkLegend(m_graph->addLineLegend(*this));
    CreateMenu();
}

} // namespace brelt::chart
