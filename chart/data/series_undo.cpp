#include "chart/data/series_undo.h"

namespace brelt::chart {

// The series' fields as the undo records read and put them back, without the setters' side
// effects (a marker setter writes every point's marker).
struct SeriesUndoAccess {
    static SeriesLookState look(const TSeries& s) {
        SeriesLookState state;
        state.name = s.m_name;
        state.color = s.m_color;
        state.visible = s.m_visible;
        state.selected = s.m_selected;
        state.style = s.m_style;
        state.lineStyle = s.m_lineStyle;
        state.lineWidth = s.m_lineWidth;
        state.markerStyle = s.m_markerStyle;
        state.markerSize = s.m_markerSize;
        state.markerFillColor = s.m_markerFillColor;
        state.markerPenColor = s.m_markerPenColor;
        state.markerStep = s.m_markerStep;
        state.barWidth = s.m_barWidth;
        state.penFollowsColor = s.m_penFollowsColor;
        for (const auto& point : s.m_points) {
            if (!state.markers.empty() && state.markers.back().marker == point->Marker)
                ++state.markers.back().count;
            else
                state.markers.push_back({point->Marker, 1});
        }
        return state;
    }

    static void apply(TSeries& s, const SeriesLookState& state) {
        s.m_name = state.name;
        s.m_color = state.color;
        s.m_selected = state.selected;
        s.m_style = state.style;
        s.m_lineStyle = state.lineStyle;
        s.m_lineWidth = state.lineWidth;
        s.m_markerStyle = state.markerStyle;
        s.m_markerSize = state.markerSize;
        s.m_markerFillColor = state.markerFillColor;
        s.m_markerPenColor = state.markerPenColor;
        s.m_markerStep = state.markerStep;
        s.m_barWidth = state.barWidth;
        s.m_penFollowsColor = state.penFollowsColor;
        int total = 0;
        for (const auto& run : state.markers)
            total += run.count;
        if (total == s.Count()) {
            std::size_t k = 0;
            for (const auto& run : state.markers)
                for (int i = 0; i < run.count; ++i)
                    s.m_points[k++]->Marker = run.marker;
        } else {
            // The points were replaced since: they take the series' marker settings.
            for (auto& point : s.m_points)
                if (point->Marker)
                    *point->Marker = TMarker(state.markerStyle, state.markerSize, state.markerFillColor,
                                             state.markerPenColor);
        }
        s.CreateMenu();
        s.SetVisible(state.visible); // the legend line shows or hides with it
        s.relinkLegend();
        s.markChanged();
    }

    static std::vector<std::unique_ptr<TGraphData>>& points(TSeries& s) { return s.m_points; }
    static void changed(TSeries& s) {
        if (s.m_hitIndex >= s.Count()) s.m_hitIndex = -1;
        s.markChanged();
    }
};

SeriesLookState SeriesLookState::of(const TSeries& series) {
    return SeriesUndoAccess::look(series);
}

void SeriesLookState::applyTo(TSeries& series) const {
    SeriesUndoAccess::apply(series, *this);
}

namespace {

class SeriesRecord : public UndoRecord {
public:
    explicit SeriesRecord(const TSeries& series) : m_id(series.layerId()) {}
    bool applies(const TGraphContext& graph) const override { return series(graph) != nullptr; }

protected:
    TSeries* series(const TGraphContext& graph) const {
        return dynamic_cast<TSeries*>(findLayer(graph, m_id));
    }

private:
    std::uint64_t m_id;
};

class LookRecord : public SeriesRecord {
public:
    explicit LookRecord(const TSeries& s) : SeriesRecord(s), m_state(SeriesLookState::of(s)) {}
    void undo(TGraphContext& graph) override { m_state.applyTo(*series(graph)); }

private:
    SeriesLookState m_state;
};

// A point record and the start of the segment after it: what deleting or moving the point
// changes besides the point itself.
class PointRecord : public SeriesRecord {
public:
    PointRecord(const TSeries& s, int index)
        : SeriesRecord(s), m_serial(s.pointsSerial()), m_index(index), m_point(s.record(index)) {
        if (index + 1 < s.Count()) m_successorPrev = s.record(index + 1).Prev;
    }
    bool applies(const TGraphContext& graph) const override {
        const TSeries* s = series(graph);
        return s && s->pointsSerial() == m_serial && m_index <= s->Count();
    }

protected:
    void restoreSuccessor(std::vector<std::unique_ptr<TGraphData>>& points) const {
        const auto next = static_cast<std::size_t>(m_index) + 1;
        if (m_successorPrev && next < points.size()) points[next]->Prev = *m_successorPrev;
    }

    std::uint64_t m_serial;
    int m_index;
    TGraphData m_point;
    std::optional<WorldPoint> m_successorPrev;
};

class PointDeleted : public PointRecord {
public:
    using PointRecord::PointRecord;
    void undo(TGraphContext& graph) override {
        TSeries& s = *series(graph);
        auto& points = SeriesUndoAccess::points(s);
        points.insert(points.begin() + m_index, std::make_unique<TGraphData>(m_point));
        restoreSuccessor(points);
        SeriesUndoAccess::changed(s);
    }
};

class PointMoved : public PointRecord {
public:
    using PointRecord::PointRecord;
    bool applies(const TGraphContext& graph) const override {
        const TSeries* s = series(graph);
        return PointRecord::applies(graph) && m_index < s->Count();
    }
    void undo(TGraphContext& graph) override {
        TSeries& s = *series(graph);
        auto& points = SeriesUndoAccess::points(s);
        TGraphData& p = *points[static_cast<std::size_t>(m_index)];
        p.Prev = m_point.Prev;
        p.Pt = m_point.Pt;
        restoreSuccessor(points);
        SeriesUndoAccess::changed(s);
    }
};

} // namespace

std::unique_ptr<UndoRecord> seriesLookRecord(const TSeries& series) {
    return std::make_unique<LookRecord>(series);
}

std::unique_ptr<UndoRecord> pointDeletedRecord(const TSeries& series, int index) {
    if (index < 0 || index >= series.Count()) return nullptr;
    return std::make_unique<PointDeleted>(series, index);
}

std::unique_ptr<UndoRecord> pointMovedRecord(const TSeries& series, int index) {
    if (index < 0 || index >= series.Count()) return nullptr;
    return std::make_unique<PointMoved>(series, index);
}

} // namespace brelt::chart
