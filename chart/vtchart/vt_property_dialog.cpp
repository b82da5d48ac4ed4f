#include "chart/view/ui_services.h"
#include "chart/vtchart/vt_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brelt::chart {

namespace {

const char* const kAxisNames[4] = {"X axis (rows, angle)", "Value axis (height, radius)", "Second value axis",
                                   "Z axis (columns)"};

void paintSwatch(QPushButton* button, TColor color) {
    QPixmap swatch(28, 14);
    swatch.fill(toQColor(color));
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

QDoubleSpinBox* angleBox(double low, double high, double value, const char* name) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setDecimals(1);
    box->setSingleStep(5);
    box->setSuffix(QStringLiteral(" \u00B0"));
    box->setValue(value);
    return box;
}

} // namespace

VtPropertyDialog::VtPropertyDialog(const TVtChartModel& chart, QWidget* parent)
    : QDialog(parent), m_plot(chart.GetPlot()) {
    setObjectName(QStringLiteral("VtPropertyDialog"));
    setWindowTitle(QStringLiteral("Chart Properties"));
    m_surfaceColor = m_plot.SurfaceColor();
    m_wallColor = m_plot.WallColor();
    m_backColor = m_plot.BackColor();

    auto* tabs = new QTabWidget;
    tabs->addTab(chartPage(), QStringLiteral("Chart"));
    tabs->addTab(viewPage(), QStringLiteral("3D View"));
    tabs->addTab(axesPage(), QStringLiteral("Axes"));
    m_type->setCurrentIndex(static_cast<int>(chart.ChartType()));
    m_title->setText(chart.TitleText());
    m_legend->setChecked(chart.ShowLegend());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

QWidget* VtPropertyDialog::chartPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("cbChartType"));
    m_type->addItems({QStringLiteral("3D Surface"), QStringLiteral("Polar")});
    m_title = new QLineEdit;
    m_title->setObjectName(QStringLiteral("edChartTitle"));
    m_legend = new QCheckBox(QStringLiteral("Show legend"));
    m_legend->setObjectName(QStringLiteral("chShowLegend"));
    m_wireframe = new QCheckBox(QStringLiteral("Mesh lines on the surface"));
    m_wireframe->setObjectName(QStringLiteral("chWireframe"));
    m_wireframe->setChecked(m_plot.Wireframe());
    m_surfaceButton = new QPushButton(QStringLiteral("Surface..."));
    m_surfaceButton->setObjectName(QStringLiteral("btSurfaceColor"));
    m_wallButton = new QPushButton(QStringLiteral("Walls..."));
    m_wallButton->setObjectName(QStringLiteral("btWallColor"));
    m_backButton = new QPushButton(QStringLiteral("Background..."));
    m_backButton->setObjectName(QStringLiteral("btBackColor"));
    paintSwatch(m_surfaceButton, m_surfaceColor);
    paintSwatch(m_wallButton, m_wallColor);
    paintSwatch(m_backButton, m_backColor);
    connect(m_surfaceButton, &QPushButton::clicked, this,
            [this] { chooseColor(m_surfaceColor, m_surfaceButton, QStringLiteral("Surface colour")); });
    connect(m_wallButton, &QPushButton::clicked, this,
            [this] { chooseColor(m_wallColor, m_wallButton, QStringLiteral("Wall colour")); });
    connect(m_backButton, &QPushButton::clicked, this,
            [this] { chooseColor(m_backColor, m_backButton, QStringLiteral("Background colour")); });
    auto* colours = new QHBoxLayout;
    colours->addWidget(m_surfaceButton);
    colours->addWidget(m_wallButton);
    colours->addWidget(m_backButton);
    form->addRow(QStringLiteral("Chart type:"), m_type);
    form->addRow(QStringLiteral("Title:"), m_title);
    form->addRow(QString(), m_legend);
    form->addRow(QString(), m_wireframe);
    form->addRow(QStringLiteral("Colours:"), colours);
    return page;
}

QWidget* VtPropertyDialog::viewPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_rotation = angleBox(0, 359.9, m_plot.Rotation(), "edRotation");
    m_rotation->setWrapping(true);
    m_elevation = angleBox(0, 90, m_plot.Elevation(), "edElevation");
    m_wallWidth = new QDoubleSpinBox;
    m_wallWidth->setObjectName(QStringLiteral("edWallWidth"));
    m_wallWidth->setRange(0, TVtPlot::kMaxWallWidth);
    m_wallWidth->setDecimals(1);
    m_wallWidth->setSuffix(QStringLiteral(" pt"));
    m_wallWidth->setValue(m_plot.WallWidth());
    form->addRow(QStringLiteral("Rotation:"), m_rotation);
    form->addRow(QStringLiteral("Elevation:"), m_elevation);
    form->addRow(QStringLiteral("Wall width:"), m_wallWidth);
    return page;
}

QWidget* VtPropertyDialog::axesPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Title")), 0, 1);
    for (int axis = 0; axis < 4; ++axis) {
        m_axisTitles[axis] = new QLineEdit(m_plot.Axis(axis).title);
        m_axisTitles[axis]->setObjectName(QStringLiteral("edAxisTitle%1").arg(axis));
        m_axisGrids[axis] = new QCheckBox(QStringLiteral("Major grid"));
        m_axisGrids[axis]->setObjectName(QStringLiteral("chAxisGrid%1").arg(axis));
        m_axisGrids[axis]->setChecked(m_plot.Axis(axis).majorGridStyle != VtPenNone);
        grid->addWidget(new QLabel(QString::fromLatin1(kAxisNames[axis])), axis + 1, 0);
        grid->addWidget(m_axisTitles[axis], axis + 1, 1);
        grid->addWidget(m_axisGrids[axis], axis + 1, 2);
    }
    grid->setRowStretch(5, 1);
    return page;
}

void VtPropertyDialog::chooseColor(TColor& color, QPushButton* button, const QString& title) {
    if (const auto chosen = uiServices().chooseColor(this, toQColor(color), title)) {
        color = fromQColor(*chosen);
        paintSwatch(button, color);
    }
}

void VtPropertyDialog::applyTo(TVtChartModel& chart) const {
    TVtPlot& plot = chart.GetPlot();
    plot.SetRotation(m_rotation->value());
    plot.SetElevation(m_elevation->value());
    plot.SetWallWidth(m_wallWidth->value());
    plot.SetWireframe(m_wireframe->isChecked());
    plot.SetSurfaceColor(m_surfaceColor);
    plot.SetWallColor(m_wallColor);
    plot.SetBackColor(m_backColor);
    for (int axis = 0; axis < 4; ++axis) {
        plot.Axis(axis).title = m_axisTitles[axis]->text();
        plot.Axis(axis).majorGridStyle = m_axisGrids[axis]->isChecked() ? VtPenSolid : VtPenNone;
    }
    chart.SetChartType(static_cast<VtChartType>(m_type->currentIndex()));
    chart.SetTitleText(m_title->text());
    chart.SetShowLegend(m_legend->isChecked());
}

} // namespace brelt::chart
