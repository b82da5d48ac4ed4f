#include "windows/tfm_chart_properties.h"

#include "chart/io/number_text.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "chart/view/plot_wrappers.h"
#include "chart/view/series_legend.h"
#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brelt::windows {

using namespace brelt::chart;

namespace {

QString endText(double v) {
    return v == kAxisUnset ? QString() : generalText(v, 15);
}

QCheckBox* box(const QString& caption, const QString& name, bool checked) {
    auto* c = new QCheckBox(caption);
    c->setObjectName(name);
    c->setChecked(checked);
    return c;
}

} // namespace

TfmChartProperties::TfmChartProperties(TGraph& graph, QWidget* parent, const TPlotProperties* switches)
    : QDialog(parent), m_graph(graph) {
    setObjectName(QStringLiteral("fmChartProperties"));
    setWindowTitle(QStringLiteral("Chart Properties"));
    pcProperties = named(new QTabWidget, "pcProperties");
    pcProperties->addTab(buildSeriesPage(), QStringLiteral("Series"));
    pcProperties->addTab(buildAxisPage(switches), QStringLiteral("Axis"));
    pcProperties->addTab(buildTitlesPage(), QStringLiteral("Titles"));
    pcProperties->addTab(buildLegendPage(), QStringLiteral("Legend"));
    btClose = named(new QPushButton(QStringLiteral("Close")), "btClose");
    btClose->setAutoDefault(false);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btClose);
    auto* root = new QVBoxLayout(this);
    root->addWidget(pcProperties);
    root->addLayout(buttons);
    fillSeriesList();
}

void TfmChartProperties::changed() {
    if (!m_loading) m_graph.Redraw();
}

void TfmChartProperties::chooseFont(TChartFont& font, const QString& title) {
    const auto chosen = uiServices().chooseFont(this, font.toQFont(), title);
    if (!chosen) return;
    font.name = chosen->family();
    if (chosen->pointSize() > 0) font.size = chosen->pointSize();
    font.bold = chosen->bold();
    font.italic = chosen->italic();
    font.underline = chosen->underline();
    font.strikeOut = chosen->strikeOut();
    changed();
}

QWidget* TfmChartProperties::buildAxisPage(const TPlotProperties* switches) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(buildAxisBox(m_graph.XAxis(), QStringLiteral("X"),
                                   switches && switches->DisabledXAxisLog,
                                   switches && switches->DisabledXAxisInvert));
    layout->addWidget(buildAxisBox(m_graph.YAxis(), QStringLiteral("Y"),
                                   switches && switches->DisabledYAxisLog,
                                   switches && switches->DisabledYAxisInvert));
    return page;
}

QWidget* TfmChartProperties::buildAxisBox(TAxis& axis, const QString& letter, bool logDisabled,
                                          bool invertDisabled) {
    auto* group = new QGroupBox(letter + QStringLiteral(" Axis"));
    auto* form = new QFormLayout(group);
    const QString p = QStringLiteral("ch") + letter;
    auto* autoMin = box(QStringLiteral("Automatic minimum"), p + QStringLiteral("AutoMin"), axis.AutoMin());
    auto* autoMax = box(QStringLiteral("Automatic maximum"), p + QStringLiteral("AutoMax"), axis.AutoMax());
    auto* edMin = new QLineEdit(endText(axis.Minimum()));
    auto* edMax = new QLineEdit(endText(axis.Maximum()));
    edMin->setObjectName(QStringLiteral("ed") + letter + QStringLiteral("Min"));
    edMax->setObjectName(QStringLiteral("ed") + letter + QStringLiteral("Max"));
    edMin->setEnabled(!axis.AutoMin());
    edMax->setEnabled(!axis.AutoMax());
    auto* log = box(QStringLiteral("Logarithm"), p + QStringLiteral("Log"), axis.Log());
    auto* invert = box(QStringLiteral("Invert"), p + QStringLiteral("Invert"), axis.Invert());
    auto* grid = box(QStringLiteral("Grid"), p + QStringLiteral("Grid"), axis.Grid());
    auto* visible = box(QStringLiteral("Visible"), p + QStringLiteral("Visible"), axis.Visible());
    log->setEnabled(!logDisabled);
    invert->setEnabled(!invertDisabled);
    auto* name = new QLineEdit(axis.Name());
    name->setObjectName(QStringLiteral("ed") + letter + QStringLiteral("Name"));
    auto* labelFont = new QPushButton(QStringLiteral("Label font..."));
    auto* nameFont = new QPushButton(QStringLiteral("Name font..."));
    labelFont->setObjectName(QStringLiteral("bt") + letter + QStringLiteral("LabelFont"));
    nameFont->setObjectName(QStringLiteral("bt") + letter + QStringLiteral("NameFont"));
    form->addRow(autoMin);
    form->addRow(QStringLiteral("Minimum"), edMin);
    form->addRow(autoMax);
    form->addRow(QStringLiteral("Maximum"), edMax);
    form->addRow(log);
    form->addRow(invert);
    form->addRow(grid);
    form->addRow(visible);
    form->addRow(QStringLiteral("Name"), name);
    form->addRow(labelFont);
    form->addRow(nameFont);

    connect(autoMin, &QCheckBox::toggled, this, [this, &axis, edMin](bool on) {
        axis.SetAutoMin(on);
        edMin->setEnabled(!on);
        changed();
    });
    connect(autoMax, &QCheckBox::toggled, this, [this, &axis, edMax](bool on) {
        axis.SetAutoMax(on);
        edMax->setEnabled(!on);
        changed();
    });
    auto end = [this](QLineEdit* edit, std::function<void(double)> store) {
        connect(edit, &QLineEdit::editingFinished, this, [this, edit, store] {
            const QString text = edit->text().trimmed();
            const auto v = readReal(QStringView(text));
            if (!text.isEmpty() && !v) {
                uiServices().message(this, kBoxTitle, QStringLiteral("Not a number: ") + text,
                                     MessageKind::Error);
                edit->setFocus();
                return;
            }
            store(v ? *v : kAxisUnset);
            changed();
        });
    };
    end(edMin, [&axis](double v) { axis.SetMinimum(v); });
    end(edMax, [&axis](double v) { axis.SetMaximum(v); });
    auto flag = [this](QCheckBox* c, std::function<void(bool)> store) {
        connect(c, &QCheckBox::toggled, this, [this, store](bool on) {
            store(on);
            changed();
        });
    };
    flag(log, [&axis](bool on) { axis.SetLog(on); });
    flag(invert, [&axis](bool on) { axis.SetInvert(on); });
    flag(grid, [&axis](bool on) { axis.SetGrid(on); });
    flag(visible, [&axis](bool on) { axis.SetVisible(on); });
    connect(name, &QLineEdit::editingFinished, this, [this, &axis, name] {
        axis.SetName(name->text());
        changed();
    });
    connect(labelFont, &QPushButton::clicked, this,
            [this, &axis] { chooseFont(axis.Font(), QStringLiteral("Label font")); });
    connect(nameFont, &QPushButton::clicked, this,
            [this, &axis] { chooseFont(axis.NameFont(), QStringLiteral("Name font")); });
    return group;
}

QWidget* TfmChartProperties::buildTitlesPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildTitleBox(m_graph.Title(), QStringLiteral("Title"), QStringLiteral("Title")));
    layout->addWidget(buildTitleBox(m_graph.Foot(), QStringLiteral("Foot"), QStringLiteral("Foot")));
    layout->addStretch();
    return page;
}

QWidget* TfmChartProperties::buildTitleBox(TGraphTitle& title, const QString& caption,
                                           const QString& prefix) {
    auto* group = new QGroupBox(caption);
    auto* form = new QFormLayout(group);
    auto* text = new QLineEdit(title.lines().join(QLatin1Char('#')));
    text->setObjectName(QStringLiteral("ed") + prefix);
    text->setToolTip(QStringLiteral("Lines are separated by #"));
    auto* visible = box(QStringLiteral("Visible"), QStringLiteral("ch") + prefix + QStringLiteral("Visible"),
                        title.Visible);
    auto* font = new QPushButton(QStringLiteral("Font..."));
    font->setObjectName(QStringLiteral("bt") + prefix + QStringLiteral("Font"));
    form->addRow(QStringLiteral("Text"), text);
    form->addRow(visible);
    form->addRow(font);
    connect(text, &QLineEdit::editingFinished, this, [this, &title, text] {
        title.SetText(text->text());
        changed();
    });
    connect(visible, &QCheckBox::toggled, this, [this, &title](bool on) {
        title.Visible = on;
        changed();
    });
    connect(font, &QPushButton::clicked, this, [this, &title, caption] { chooseFont(title.Font, caption); });
    return group;
}

QWidget* TfmChartProperties::buildLegendPage() {
    TWLegend& legend = m_graph.Legend();
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* visible = box(QStringLiteral("Visible"), QStringLiteral("chLegendVisible"), legend.Visible());
    auto* style = named(new QComboBox, "cbLegendStyle");
    style->addItems({QStringLiteral("Right"), QStringLiteral("Left"), QStringLiteral("Bottom"),
                     QStringLiteral("Top"), QStringLiteral("Inside")});
    style->setCurrentIndex(static_cast<int>(legend.Style));
    auto* frame = box(QStringLiteral("Frame"), QStringLiteral("chLegendFrame"), legend.FrameVisible);
    auto* shadow = box(QStringLiteral("Shadow"), QStringLiteral("chLegendShadow"), legend.ShadowVisible);
    auto* transparent = box(QStringLiteral("Transparent"), QStringLiteral("chLegendTransparent"),
                            legend.TransparentBackGround);
    form->addRow(visible);
    form->addRow(QStringLiteral("Place"), style);
    form->addRow(frame);
    form->addRow(shadow);
    form->addRow(transparent);
    connect(visible, &QCheckBox::toggled, this, [this, &legend](bool on) {
        legend.SetVisible(on);
        changed();
    });
    connect(style, &QComboBox::currentIndexChanged, this, [this, &legend](int index) {
        legend.Style = static_cast<TLegendStyle>(std::clamp(index, 0, 4));
        changed();
    });
    auto flag = [this](QCheckBox* c, bool& field) {
        connect(c, &QCheckBox::toggled, this, [this, &field](bool on) {
            field = on;
            changed();
        });
    };
    flag(frame, legend.FrameVisible);
    flag(shadow, legend.ShadowVisible);
    flag(transparent, legend.TransparentBackGround);
    return page;
}

} // namespace brelt::windows
