// TfmChartProperties: the series page, with the least-squares fit command.
#include "chart/data/series.h"
#include "chart/data/series_undo.h"
#include "chart/fit/fit_series.h"
#include "chart/fit/least_squares.h"
#include "chart/view/graph.h"
#include "chart/view/layer_undo.h"
#include "chart/view/series_legend.h"
#include "chart/view/ui_services.h"
#include "chart/view/validate.h"
#include "windows/dialog_parts.h"
#include "windows/tfm_chart_properties.h"
#include "windows/tfm_marker_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brelt::windows {

using namespace brelt::chart;

QWidget* TfmChartProperties::buildSeriesPage() {
    auto* page = new QWidget;
    lbSeries = named(new QListWidget, "lbSeries");
    lbSeries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    edSeriesName = named(new QLineEdit, "edSeriesName");
    edSeriesName->setMaxLength(kMaxLayerNameLength);
    btSeriesColor = named(new QPushButton(QStringLiteral("Color...")), "btSeriesColor");
    cbSeriesStyle = named(new QComboBox, "cbSeriesStyle");
    cbSeriesStyle->addItems(seriesStyleNames());
    cbSeriesLineStyle = named(new QComboBox, "cbSeriesLineStyle");
    cbSeriesLineStyle->addItems(lineStyleNames());
    udSeriesLineWidth = named(new QSpinBox, "udSeriesLineWidth");
    udSeriesLineWidth->setRange(1, 10);
    btMarkers = named(new QPushButton(QStringLiteral("Markers...")), "btMarkers");
    chSeriesVisible = named(new QCheckBox(QStringLiteral("Visible")), "chSeriesVisible");
    btDeleteSeries = named(new QPushButton(QStringLiteral("Delete")), "btDeleteSeries");
    edDegree = named(new QLineEdit(QStringLiteral("1")), "edDegree");
    m_vDegree = new TIntValidate(1, QStringLiteral("Polynomial degree"), this, edDegree, kMaxFitDegree);
    connect(edDegree, &QLineEdit::textChanged, this, [this] { m_vDegree->Change(); });
    btFit = named(new QPushButton(QStringLiteral("Fit")), "btFit");
    for (QPushButton* b : {btSeriesColor, btMarkers, btDeleteSeries, btFit})
        b->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), edSeriesName);
    form->addRow(QStringLiteral("Style"), cbSeriesStyle);
    form->addRow(QStringLiteral("Line style"), cbSeriesLineStyle);
    form->addRow(QStringLiteral("Line width"), udSeriesLineWidth);
    form->addRow(btSeriesColor);
    form->addRow(btMarkers);
    form->addRow(chSeriesVisible);
    form->addRow(btDeleteSeries);
    auto* fitting = new QGroupBox(QStringLiteral("Curve fitting"));
    auto* fitForm = new QFormLayout(fitting);
    fitForm->addRow(QStringLiteral("Polynomial degree"), edDegree);
    fitForm->addRow(btFit);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addWidget(fitting);
    side->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(lbSeries, 1);
    layout->addLayout(side);

    connect(lbSeries, &QListWidget::itemSelectionChanged, this, &TfmChartProperties::lbSeriesSelect);
    connect(edSeriesName, &QLineEdit::editingFinished, this, &TfmChartProperties::edSeriesNameExit);
    connect(btSeriesColor, &QPushButton::clicked, this, &TfmChartProperties::btSeriesColorClick);
    connect(cbSeriesStyle, &QComboBox::currentIndexChanged, this, &TfmChartProperties::seriesLookChange);
    connect(cbSeriesLineStyle, &QComboBox::currentIndexChanged, this, &TfmChartProperties::seriesLookChange);
    connect(udSeriesLineWidth, &QSpinBox::valueChanged, this, &TfmChartProperties::seriesLookChange);
    connect(btMarkers, &QPushButton::clicked, this, &TfmChartProperties::btMarkersClick);
    connect(chSeriesVisible, &QCheckBox::toggled, this, &TfmChartProperties::chSeriesVisibleClick);
    connect(btDeleteSeries, &QPushButton::clicked, this, &TfmChartProperties::btDeleteSeriesClick);
    connect(btFit, &QPushButton::clicked, this, &TfmChartProperties::btFitClick);
    return page;
}

void TfmChartProperties::fillSeriesList() {
    m_loading = true;
    m_series.clear();
    lbSeries->clear();
    for (int i = 0; i < m_graph.LayerCount(); ++i)
        if (auto* s = dynamic_cast<TSeries*>(m_graph.Layers(i))) {
            m_series.push_back(s);
            lbSeries->addItem(s->Name());
        }
    m_loading = false;
    if (!m_series.empty()) lbSeries->setCurrentRow(0);
    lbSeriesSelect();
}

std::vector<TSeries*> TfmChartProperties::selectedSeries() const {
    std::vector<TSeries*> chosen;
    for (int i = 0; i < lbSeries->count(); ++i)
        if (lbSeries->item(i)->isSelected()) chosen.push_back(m_series[static_cast<size_t>(i)]);
    return chosen;
}

void TfmChartProperties::lbSeriesSelect() {
    if (m_loading) return;
    const auto chosen = selectedSeries();
    for (QWidget* w : std::initializer_list<QWidget*>{edSeriesName, btSeriesColor, cbSeriesStyle,
                                                      cbSeriesLineStyle, udSeriesLineWidth, btMarkers,
                                                      chSeriesVisible, btDeleteSeries, edDegree, btFit})
        w->setEnabled(!chosen.empty());
    if (chosen.empty()) return;
    const TSeries& s = *chosen.front();
    m_loading = true;
    edSeriesName->setText(s.Name());
    edSeriesName->setEnabled(chosen.size() == 1);
    cbSeriesStyle->setCurrentIndex(styleIndexOf(s.Style()));
    cbSeriesLineStyle->setCurrentIndex(static_cast<int>(s.lineStyle()));
    udSeriesLineWidth->setValue(std::clamp(s.LineWidth(), 1, 10));
    chSeriesVisible->setChecked(s.Visible());
    m_loading = false;
}

void TfmChartProperties::edSeriesNameExit() {
    const auto chosen = selectedSeries();
    if (m_loading || chosen.size() != 1 || chosen.front()->Name() == edSeriesName->text()) return;
    TSeries& s = *chosen.front();
    m_graph.recordUndo(seriesLookRecord(s));
    s.setName(edSeriesName->text());
    if (s.LegendEntry()) s.LinkLegend(s.LegendEntry()); // the legend line takes the new name
    lbSeries->selectedItems().front()->setText(s.Name());
    changed();
}

void TfmChartProperties::btSeriesColorClick() {
    const auto chosen = selectedSeries();
    if (chosen.empty()) return;
    const auto color =
        uiServices().chooseColor(this, toQColor(chosen.front()->GetColor()), QStringLiteral("Color"));
    if (!color) return;
    UndoGroup step(m_graph.undoStore());
    for (TSeries* s : chosen) {
        m_graph.recordUndo(seriesLookRecord(*s));
        s->SetColor(fromQColor(*color));
    }
    changed();
}

void TfmChartProperties::seriesLookChange() {
    if (m_loading) return;
    UndoGroup step(m_graph.undoStore());
    for (TSeries* s : selectedSeries()) {
        m_graph.recordUndo(seriesLookRecord(*s));
        s->setSeriesStyle(styleAt(cbSeriesStyle->currentIndex()));
        s->setLineStyle(static_cast<LineStyle>(cbSeriesLineStyle->currentIndex()));
        s->setLineWidth(udSeriesLineWidth->value());
    }
    changed();
}

void TfmChartProperties::btMarkersClick() {
    const auto chosen = selectedSeries();
    if (chosen.empty()) return;
    TfmMarkerStyle markers(m_graph, chosen, this);
    markers.exec();
}

void TfmChartProperties::chSeriesVisibleClick(bool visible) {
    if (m_loading) return;
    UndoGroup step(m_graph.undoStore());
    for (TSeries* s : selectedSeries()) {
        if (s->Visible() != visible) m_graph.recordUndo(seriesLookRecord(*s));
        s->SetVisible(visible);
    }
    changed();
}

void TfmChartProperties::btDeleteSeriesClick() {
    const auto chosen = selectedSeries();
    if (chosen.empty()) return;
    const QString what = chosen.size() == 1 ? QStringLiteral("the series ") + chosen.front()->Name()
                                            : QStringLiteral("%1 series").arg(chosen.size());
    if (!uiServices().confirm(this, kBoxTitle, QStringLiteral("Delete %1?").arg(what))) return;
    UndoGroup step(m_graph.undoStore());
    for (TSeries* s : chosen) {
        for (int i = 0; i < m_graph.LayerCount(); ++i)
            if (m_graph.Layers(i) == s) {
                // The undo record keeps the series and its place.
                m_graph.recordUndo(deleteLayerWithRecord(m_graph, i));
                break;
            }
    }
    fillSeriesList();
    changed();
}

void TfmChartProperties::btFitClick() {
    // The validator reports a degree that is no whole number from 1 to the largest one.
    if (!m_vDegree->Check()) return;
    const std::optional<int> degree = m_vDegree->Value();
    QStringList undetermined;
    {
        UndoGroup step(m_graph.undoStore());
        for (TSeries* source : selectedSeries()) {
            auto fit = std::make_unique<TFitSeries>(*source, kFitSamples, *degree);
            if (fit->Count() == 0) undetermined << source->Name();
            auto* added = static_cast<TSeries*>(m_graph.AddLayer(std::move(fit)));
            m_graph.addLineLegend(*added);
            m_graph.recordUndo(layerAddedRecord(*added));
        }
    }
    fillSeriesList();
    changed();
    if (!undetermined.isEmpty())
        uiServices().message(
            this, kBoxTitle,
            QStringLiteral("The points of %1 do not determine a polynomial of degree %2: the fit "
                           "series stays empty.")
                .arg(undetermined.join(QStringLiteral(", ")))
                .arg(*degree),
            MessageKind::Warning);
}

} // namespace brelt::windows
