// GraphicsPage's controls: the plot types, the X and Y ranges, the contour and exaggeration
// fields, titles and axis names, and the OK, Color and Help buttons.
#include "workspace/graphics_page.h"

#include "workspace/widget_naming.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelt::workspace {

using namespace widgets;

namespace {

QLabel* label(const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text);
    if (name) l->setObjectName(QLatin1String(name));
    return l;
}

// A range group: minimum, maximum and the number of points, one to a row.
QGroupBox* rangeBox(const char* name, const QString& title, QLabel* minimum, QLineEdit* from, QLabel* maximum,
                    QLineEdit* to, QLabel* steps, QLineEdit* count) {
    auto* box = named(new QGroupBox(title), name);
    auto* grid = new QGridLayout(box);
    grid->addWidget(minimum, 0, 0);
    grid->addWidget(from, 0, 1);
    grid->addWidget(maximum, 1, 0);
    grid->addWidget(to, 1, 1);
    grid->addWidget(steps, 2, 0);
    grid->addWidget(count, 2, 1);
    return box;
}

} // namespace

void GraphicsPage::buildControls() {
    setObjectName(QStringLiteral("tsGraph"));
    auto* layout = new QHBoxLayout(this);

    auto* plotBox = named(new QGroupBox(QStringLiteral("Plot")), "gbPlot");
    auto* plotLayout = new QVBoxLayout(plotBox);
    rgPlot = radioGroup(this, "rgPlot",
                        {QStringLiteral("Plot f(X)"), QStringLiteral("Contour Plot f(X,Y)"),
                         QStringLiteral("Color Shading f(X,Y)"), QStringLiteral("Surface"),
                         QStringLiteral("Polar")},
                        plotLayout);
    plotLayout->addStretch();
    layout->addWidget(plotBox);

    edFromX = namedEdit("edFromX");
    edToX = namedEdit("edToX");
    edStepsX = namedEdit("edStepsX");
    edFromY = namedEdit("edFromY");
    edToY = namedEdit("edToY");
    edStepsY = namedEdit("edStepsY");
    edFromX->setText(QStringLiteral("-10"));
    edToX->setText(QStringLiteral("10"));
    lbY1 = label(QStringLiteral("Minimum"), "lbY1");
    lbY2 = label(QStringLiteral("Maximum"), "lbY2");
    lbStepY = label(QStringLiteral("Steps"), "lbStepY");
    gbX = rangeBox("gbX", QStringLiteral("X range"), label(QStringLiteral("Minimum"), "lbX1"), edFromX,
                   label(QStringLiteral("Maximum"), "lbX2"), edToX, label(QStringLiteral("Steps"), "lbStepX"),
                   edStepsX);
    gbY = rangeBox("gbY", QStringLiteral("Y range"), lbY1, edFromY, lbY2, edToY, lbStepY, edStepsY);
    auto* ranges = new QHBoxLayout;
    ranges->addWidget(gbX);
    ranges->addWidget(gbY);

    lbNC = label(QStringLiteral("Number of contours"), "lbNC");
    edNumCont = namedEdit("edNumCont");
    edNumCont->setText(QStringLiteral("10"));
    lbExaggerate = label(QStringLiteral("Exaggerate (0-maximize graphic area)"), "lbExaggerate");
    edExaggerate = namedEdit("edExaggerate");
    edExaggerate->setText(QStringLiteral("0"));
    lbTitle = label(QStringLiteral("Title"), "lbTitle");
    edTitle = namedEdit("edTitle");
    lbLegend = label(QStringLiteral("Legend"), "lbLegend");
    edLegend = namedEdit("edLegend");
    edX = namedEdit("edX");
    edX->setText(QStringLiteral("X"));
    lbYAxis = label(QStringLiteral(" Y axis"), "lbYAxis");
    edY = namedEdit("edY");
    edY->setText(QStringLiteral("Y"));
    auto* form = new QFormLayout;
    form->addRow(lbNC, edNumCont);
    form->addRow(lbExaggerate, edExaggerate);
    form->addRow(lbTitle, edTitle);
    form->addRow(lbLegend, edLegend);
    form->addRow(label(QStringLiteral(" X axis"), "lbXAxis"), edX);
    form->addRow(lbYAxis, edY);

    auto* fields = new QVBoxLayout;
    fields->addLayout(ranges);
    fields->addLayout(form);
    fields->addStretch();
    layout->addLayout(fields, 1);

    auto* buttons = new QVBoxLayout;
    bbOK = named(new QPushButton(QStringLiteral("&OK")), "bbOK");
    sbColor = named(new QPushButton(QStringLiteral("&Color")), "sbColor");
    Button1 = named(new QPushButton(QStringLiteral("Help")), "Button1");
    for (QPushButton* b : {bbOK, sbColor, Button1})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_popup = named(new QMenu(this), "PopupMenu1");
    auto item = [this](const char* name, const QString& caption) {
        QAction* action = m_popup->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(false); // until its window has been shown
    };
    item("miPlotfx", QStringLiteral("&Plot f(X)"));
    item("miPlotfxy", QStringLiteral("Plot &f(X,Y)"));
    item("mi3DPlotfXY", QStringLiteral("&3D-Plot f(X,Y)"));
}

} // namespace brelt::workspace
