#include "chart/vtchart/vt_dialogs.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWizardPage>

namespace brelt::chart {

namespace {

// The titles page names the axes after the type chosen on the first page.
class TitlesPage final : public QWizardPage {
public:
    TitlesPage(QRadioButton* polar, QLineEdit* title, QLineEdit* const (&axes)[4]) : m_polar(polar) {
        setTitle(QStringLiteral("Titles"));
        setSubTitle(QStringLiteral("The chart's title and the names of its axes."));
        m_form = new QFormLayout(this);
        m_form->addRow(QStringLiteral("Chart title:"), title);
        for (int axis : {0, 1, 3}) {
            m_labels[axis] = new QLabel;
            m_form->addRow(m_labels[axis], axes[axis]);
        }
        m_axis3 = axes[3];
    }

    void initializePage() override {
        const bool polar = m_polar->isChecked();
        m_labels[0]->setText(polar ? QStringLiteral("Angle axis:") : QStringLiteral("X axis (rows):"));
        m_labels[1]->setText(polar ? QStringLiteral("Radius axis:") : QStringLiteral("Value axis:"));
        m_labels[3]->setText(QStringLiteral("Z axis (columns):"));
        m_form->setRowVisible(m_axis3, !polar);
    }

private:
    QRadioButton* m_polar;
    QFormLayout* m_form;
    QLabel* m_labels[4] = {};
    QLineEdit* m_axis3;
};

} // namespace

VtChartWizard::VtChartWizard(const TVtChartModel& chart, QWidget* parent) : QWizard(parent) {
    setObjectName(QStringLiteral("VtChartWizard"));
    setWindowTitle(QStringLiteral("Chart Wizard"));
    setWizardStyle(QWizard::ClassicStyle);

    auto* typePage = new QWizardPage;
    typePage->setTitle(QStringLiteral("Chart type"));
    typePage->setSubTitle(QStringLiteral("How the data grid is drawn."));
    m_surface = new QRadioButton(QStringLiteral("3D surface: the rows and columns as a mesh of heights"));
    m_surface->setObjectName(QStringLiteral("rbSurface"));
    m_polar =
        new QRadioButton(QStringLiteral("Polar: each pair of columns an angle in degrees and a radius"));
    m_polar->setObjectName(QStringLiteral("rbPolar"));
    (chart.ChartType() == VtChartType::Polar ? m_polar : m_surface)->setChecked(true);
    auto* typeLayout = new QVBoxLayout(typePage);
    typeLayout->addWidget(m_surface);
    typeLayout->addWidget(m_polar);
    typeLayout->addStretch();

    m_title = new QLineEdit(chart.TitleText());
    m_title->setObjectName(QStringLiteral("edChartTitle"));
    for (int axis = 0; axis < 4; ++axis) {
        m_axisTitles[axis] = new QLineEdit(chart.GetPlot().Axis(axis).title);
        m_axisTitles[axis]->setObjectName(QStringLiteral("edAxisTitle%1").arg(axis));
    }
    addPage(typePage);
    addPage(new TitlesPage(m_polar, m_title, m_axisTitles));
}

void VtChartWizard::applyTo(TVtChartModel& chart) const {
    TVtPlot& plot = chart.GetPlot();
    for (int axis : {0, 1, 3})
        plot.Axis(axis).title = m_axisTitles[axis]->text();
    // The second value axis is drawn with the first and carries its title.
    plot.Axis(2).title = m_axisTitles[1]->text();
    chart.SetChartType(m_polar->isChecked() ? VtChartType::Polar : VtChartType::Surface3d);
    chart.SetTitleText(m_title->text());
}

} // namespace brelt::chart
