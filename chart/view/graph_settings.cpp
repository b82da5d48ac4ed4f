// The chart's settings: every key under "Plot_" in the section of the owner window and chart.
// Nothing is read unless "Plot_Saved" is present and not "No"; each value is read with the
// current one as its default, so missing keys keep what is in force.
#include "chart/data/chart_loader.h"
#include "chart/data/chart_text.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_annotate.h"
#include "chart/view/graph_info.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"
#include "chart/view/settings_store.h"
#include "chart/view/zoom.h"

namespace brelt::chart {

namespace {

void saveTitle(SettingsStore& s, const QString& section, const QString& t, const TGraphTitle& title) {
    const QString p = QStringLiteral("Plot_") + t;
    s.writeString(section, p + QStringLiteral("_Text"), title.Text());
    s.writeInt(section, p + QStringLiteral("_Style"), static_cast<int>(title.Style));
    s.writeInt(section, p + QStringLiteral("_Alignment"), static_cast<int>(title.Alignment));
    s.writeBool(section, p + QStringLiteral("_Visible"), title.Visible);
    saveFont(s, section, p + QLatin1Char('_'), title.Font);
}

void loadTitle(const SettingsStore& s, const QString& section, const QString& t, TGraphTitle& title) {
    const QString p = QStringLiteral("Plot_") + t;
    title.SetText(s.readString(section, p + QStringLiteral("_Text"), title.Text()));
    const int style = s.readInt(section, p + QStringLiteral("_Style"), static_cast<int>(title.Style));
    if (style >= 0 && style <= 2) title.Style = static_cast<TTitleStyle>(style);
    const int align = s.readInt(section, p + QStringLiteral("_Alignment"), static_cast<int>(title.Alignment));
    if (align >= 0 && align <= 2) title.Alignment = static_cast<TAlignment>(align);
    title.Visible = s.readBool(section, p + QStringLiteral("_Visible"), title.Visible);
    loadFont(s, section, p + QLatin1Char('_'), title.Font);
}

template <typename E>
void readEnum(const SettingsStore& s, const QString& section, const QString& key, E& value, int last) {
    const int v = s.readInt(section, key, static_cast<int>(value));
    if (v >= 0 && v <= last) value = static_cast<E>(v);
}

} // namespace

void TGraph::SaveSettings(SettingsStore& s, const QString& section) const {
    s.writeString(section, QStringLiteral("Plot_Saved"), QStringLiteral("Yes"));
    s.writeInt(section, QStringLiteral("Plot_Color"), m_color);
    s.writeInt(section, QStringLiteral("Plot_BackColor"), m_backColor);
    s.writeDouble(section, QStringLiteral("Plot_Exaggerate"), m_exaggerate);
    s.writeDouble(section, QStringLiteral("Plot_View3D"), m_view3D);
    s.writeDouble(section, QStringLiteral("Plot_MinLogValue"), m_minLogValue);
    s.writeBool(section, QStringLiteral("Plot_ClipMarkers"), m_clipMarkers);
    s.writeBool(section, QStringLiteral("Plot_Antialiased"), m_antialiased);
    m_xAxis->SaveSettings(s, section);
    m_yAxis->SaveSettings(s, section);
    saveTitle(s, section, QStringLiteral("Title"), *m_title);
    saveTitle(s, section, QStringLiteral("Foot"), *m_foot);
    s.writeInt(section, QStringLiteral("Plot_Gradient_Style"), static_cast<int>(m_gradient.Style));
    s.writeInt(section, QStringLiteral("Plot_Gradient_StartColor"), m_gradient.StartColor);
    s.writeInt(section, QStringLiteral("Plot_Gradient_EndColor"), m_gradient.EndColor);
    s.writeBool(section, QStringLiteral("Plot_Gradient_Visible"), m_gradient.Visible);
    m_zoom->SaveSettings(s, section);
    s.writeInt(section, QStringLiteral("Plot_Info_Style"), static_cast<int>(m_info->Style));
    s.writeInt(section, QStringLiteral("Plot_Info_Position"), static_cast<int>(m_info->Position));
    s.writeInt(section, QStringLiteral("Plot_Info_Color"), m_info->Color);
    s.writeBool(section, QStringLiteral("Plot_Info_Visible"), m_info->Visible());
    saveFont(s, section, QStringLiteral("Plot_Info_Font"), m_info->Font);
    const TWLegend& l = *m_legend;
    s.writeInt(section, QStringLiteral("Plot_Legend_Style"), static_cast<int>(l.Style));
    s.writeInt(section, QStringLiteral("Plot_Legend_Color"), l.Color);
    s.writeInt(section, QStringLiteral("Plot_Legend_ShadowColor"), l.ShadowColor);
    s.writeInt(section, QStringLiteral("Plot_Legend_ShadowThickness"), l.ShadowThickness);
    s.writeBool(section, QStringLiteral("Plot_Legend_ShadowVisible"), l.ShadowVisible);
    s.writeInt(section, QStringLiteral("Plot_Legend_FrameColor"), l.FrameColor);
    s.writeInt(section, QStringLiteral("Plot_Legend_FrameThickness"), l.FrameThickness);
    s.writeInt(section, QStringLiteral("Plot_Legend_FrameStyle"), l.FrameStyle);
    s.writeBool(section, QStringLiteral("Plot_Legend_FrameVisible"), l.FrameVisible);
    s.writeBool(section, QStringLiteral("Plot_Legend_Visible"), l.Visible());
    s.writeBool(section, QStringLiteral("Plot_Legend_TransparentBackGround"), l.TransparentBackGround);
    s.writeInt(section, QStringLiteral("Plot_Picture_Style"), static_cast<int>(m_picture.Style));
    s.writeInt(section, QStringLiteral("Plot_Picture_Color"), m_picture.Color);
    s.writeBool(section, QStringLiteral("Plot_Picture_Visible"), m_picture.Visible);
    s.writeInt(section, QStringLiteral("Plot_Frame_Style"), static_cast<int>(m_frame.Style));
    s.writeInt(section, QStringLiteral("Plot_Frame_Color"), m_frame.Color);
    s.writeInt(section, QStringLiteral("Plot_Frame_Width"), m_frame.Width);
    s.writeBool(section, QStringLiteral("Plot_Frame_Visible"), m_frame.Visible);
}

void TGraph::LoadSettings(const SettingsStore& s, const QString& section) {
    const auto saved = s.read(section, QStringLiteral("Plot_Saved"));
    if (!saved || saved->trimmed().compare(QLatin1String("No"), Qt::CaseInsensitive) == 0) return;
    m_color = s.readInt(section, QStringLiteral("Plot_Color"), m_color);
    m_backColor = s.readInt(section, QStringLiteral("Plot_BackColor"), m_backColor);
    SetExaggerate(s.readDouble(section, QStringLiteral("Plot_Exaggerate"), m_exaggerate));
    SetView3D(s.readDouble(section, QStringLiteral("Plot_View3D"), m_view3D));
    SetMinLogValue(s.readDouble(section, QStringLiteral("Plot_MinLogValue"), m_minLogValue));
    m_clipMarkers = s.readBool(section, QStringLiteral("Plot_ClipMarkers"), m_clipMarkers);
    m_antialiased = s.readBool(section, QStringLiteral("Plot_Antialiased"), m_antialiased);
    m_xAxis->LoadSettings(s, section);
    m_yAxis->LoadSettings(s, section);
    loadTitle(s, section, QStringLiteral("Title"), *m_title);
    loadTitle(s, section, QStringLiteral("Foot"), *m_foot);
    readEnum(s, section, QStringLiteral("Plot_Gradient_Style"), m_gradient.Style, 2);
    m_gradient.StartColor =
        s.readInt(section, QStringLiteral("Plot_Gradient_StartColor"), m_gradient.StartColor);
    m_gradient.EndColor = s.readInt(section, QStringLiteral("Plot_Gradient_EndColor"), m_gradient.EndColor);
    m_gradient.Visible = s.readBool(section, QStringLiteral("Plot_Gradient_Visible"), m_gradient.Visible);
    m_zoom->LoadSettings(s, section);
    readEnum(s, section, QStringLiteral("Plot_Info_Style"), m_info->Style, 2);
    readEnum(s, section, QStringLiteral("Plot_Info_Position"), m_info->Position, 5);
    m_info->Color = s.readInt(section, QStringLiteral("Plot_Info_Color"), m_info->Color);
    m_info->SetVisible(s.readBool(section, QStringLiteral("Plot_Info_Visible"), m_info->Visible()));
    loadFont(s, section, QStringLiteral("Plot_Info_Font"), m_info->Font);
    TWLegend& l = *m_legend;
    readEnum(s, section, QStringLiteral("Plot_Legend_Style"), l.Style, 4);
    l.Color = s.readInt(section, QStringLiteral("Plot_Legend_Color"), l.Color);
    l.ShadowColor = s.readInt(section, QStringLiteral("Plot_Legend_ShadowColor"), l.ShadowColor);
    l.ShadowThickness = std::clamp(
        s.readInt(section, QStringLiteral("Plot_Legend_ShadowThickness"), l.ShadowThickness), 0, 100);
    l.ShadowVisible = s.readBool(section, QStringLiteral("Plot_Legend_ShadowVisible"), l.ShadowVisible);
    l.FrameColor = s.readInt(section, QStringLiteral("Plot_Legend_FrameColor"), l.FrameColor);
    l.FrameThickness = std::clamp(
        s.readInt(section, QStringLiteral("Plot_Legend_FrameThickness"), l.FrameThickness), 0, 100);
    l.FrameStyle =
        std::clamp(s.readInt(section, QStringLiteral("Plot_Legend_FrameStyle"), l.FrameStyle), 0, 5);
    l.FrameVisible = s.readBool(section, QStringLiteral("Plot_Legend_FrameVisible"), l.FrameVisible);
    l.SetVisible(s.readBool(section, QStringLiteral("Plot_Legend_Visible"), l.Visible()));
    l.TransparentBackGround =
        s.readBool(section, QStringLiteral("Plot_Legend_TransparentBackGround"), l.TransparentBackGround);
    readEnum(s, section, QStringLiteral("Plot_Picture_Style"), m_picture.Style, 2);
    m_picture.Color = s.readInt(section, QStringLiteral("Plot_Picture_Color"), m_picture.Color);
    m_picture.Visible = s.readBool(section, QStringLiteral("Plot_Picture_Visible"), m_picture.Visible);
    readEnum(s, section, QStringLiteral("Plot_Frame_Style"), m_frame.Style, 1);
    m_frame.Color = s.readInt(section, QStringLiteral("Plot_Frame_Color"), m_frame.Color);
    m_frame.Width = std::clamp(s.readInt(section, QStringLiteral("Plot_Frame_Width"), m_frame.Width), 0, 50);
    m_frame.Visible = s.readBool(section, QStringLiteral("Plot_Frame_Visible"), m_frame.Visible);
}

void TGraph::LoadFromText(ChartTextReader& reader) {
    static const bool known = [] {
        registerLayerClass(QStringLiteral("TGraphAnnotate"),
                           [](TGraphContext* g) { return std::make_unique<TGraphAnnotate>(g); });
        return true;
    }();
    (void)known;
    for (auto& layer : LoadLayersFromText(*this, reader)) {
        if (const auto* notes = dynamic_cast<const TGraphAnnotate*>(layer.get())) {
            for (const TAnnotation& note : notes->notes())
                m_annotate->add(note);
            continue;
        }
        AddLayer(std::move(layer));
    }
}

void TGraph::SaveToText(ChartTextWriter& writer) const {
    std::vector<const TLayer*> layers;
    for (const auto& layer : m_layers)
        layers.push_back(layer.get());
    if (m_annotate->Count() > 0) layers.push_back(m_annotate.get());
    SaveLayersToText(layers, writer);
}

} // namespace brelt::chart
