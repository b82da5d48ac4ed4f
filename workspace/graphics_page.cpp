// GraphicsPage: the plot types and what each shows, the fields and their validators, the settings,
// and the "Show plots" button with its pop-up menu.
#include "workspace/graphics_page.h"

#include "chart/view/ui_services.h"
#include "chart/view/validate.h"
#include "engine/format_value.h"
#include "windows/plot2d.h"
#include "workspace/help_viewer.h"
#include "workspace/plot_tabulation.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace brelt::workspace {

namespace {

constexpr double kRangeLimit = 115425.2;

bool hasYRange(int type) {
    return type == kPlotContour || type == kPlotShading || type == kPlotSurface;
}

const char* const kAssistantTexts[kPlotTypeCount] = {
    "To plot F(X) type you function in input line and click OK",
    "To plot contours Z:=F(X,Y) type you function in input line and click OK",
    "To plot color shade Z:=F(X,Y) type you function in input line and click OK",
    "To plot Z:=F(X,Y) type you function in input line and click OK",
    "To plot F(X) type you function in input line and click OK",
};

} // namespace

GraphicsPage::GraphicsPage(QWidget* parent) : QWidget(parent) {
    buildControls();
    connectHandlers();
}

GraphicsPage::~GraphicsPage() = default;

void GraphicsPage::connectHandlers() {
    connect(rgPlot, &QButtonGroup::idClicked, this, &GraphicsPage::rgPlotClick);
    connect(bbOK, &QPushButton::clicked, this, &GraphicsPage::bbOKClick);
    connect(sbColor, &QPushButton::clicked, this, &GraphicsPage::sbColorClick);
    connect(Button1, &QPushButton::clicked, this, [this] {
        static constexpr int kTopics[kPlotTypeCount] = {10, 18, 19, 20, kPolarPlotHelpTopic};
        if (m_links.help) m_links.help(kTopics[m_type]);
    });
    connect(edFromX, &QLineEdit::textChanged, this, [this] { changeField(m_vFromX); });
    connect(edToX, &QLineEdit::textChanged, this, [this] { changeField(m_vToX); });
    connect(edFromY, &QLineEdit::textChanged, this, [this] { changeField(m_vFromY); });
    connect(edToY, &QLineEdit::textChanged, this, [this] { changeField(m_vToY); });
    connect(edExaggerate, &QLineEdit::textChanged, this, [this] { changeField(m_vExaggerate); });
    connect(edNumCont, &QLineEdit::textChanged, this, [this] {
        if (!m_loading && m_vNumCont) m_vNumCont->Change();
    });
    connect(edStepsX, &QLineEdit::textChanged, this, &GraphicsPage::edStepsXChange);
    connect(edStepsY, &QLineEdit::textChanged, this, &GraphicsPage::edStepsYChange);
    const std::pair<const char*, QWidget * PlotTargets::*> items[] = {
        {"miPlotfxy", &PlotTargets::contourWindow}, {"mi3DPlotfXY", &PlotTargets::surfaceWindow}};
    for (const auto& [name, member] : items) {
        auto* action = m_popup->findChild<QAction*>(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, member] {
            if (QWidget* w = m_targets.*member) {
                w->show();
                w->raise();
                w->activateWindow();
            }
        });
    }
    connect(m_popup->findChild<QAction*>(QStringLiteral("miPlotfx")), &QAction::triggered, this, [this] {
        if (m_targets.plot2D && m_targets.plot2D->wasShown()) {
            m_targets.plot2D->show();
            m_targets.plot2D->raise();
            m_targets.plot2D->activateWindow();
        }
    });
}

void GraphicsPage::link(const GraphicsLinks& links) {
    m_links = links;
    if (m_links.input) connect(m_links.input, &QLineEdit::textChanged, this, &GraphicsPage::Edit1Change);
    // Closing the main window ends a tabulation in progress.
    if (m_links.tabs) m_links.tabs->window()->installEventFilter(this);
    if (QToolButton* show = m_links.showPlots) {
        show->setProperty("breltHint", QStringLiteral("Show plots"));
        show->setToolTip(QStringLiteral("Show plots"));
        show->setEnabled(false); // until a plot window has been shown
        connect(show, &QToolButton::clicked, this, &GraphicsPage::sbShowClick);
    }
}

void GraphicsPage::setEngine(engine::Engine* engine) {
    m_engine = engine;
}

void GraphicsPage::setTargets(const PlotTargets& targets) {
    m_targets = targets;
    // The windows tell by being shown that "Show plots" may offer them.
    for (QWidget* w :
         {static_cast<QWidget*>(m_targets.plot2D), m_targets.contourWindow, m_targets.surfaceWindow})
        if (w) {
            w->installEventFilter(this);
            if (w->isVisible()) plotWindowShown(w);
        }
}

bool GraphicsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && m_links.tabs && watched == m_links.tabs->window())
        abortForClosing();
    else if (event->type() == QEvent::Show && watched->isWidgetType())
        plotWindowShown(static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

bool GraphicsPage::tabulating() const {
    return m_running != nullptr;
}

void GraphicsPage::abortForClosing() {
    if (m_running) m_running->requestAbort();
}

// ---- settings ----

void GraphicsPage::loadSettings(const CalcSettings& s) {
    m_loading = true;
    m_type = std::clamp(s.plotType, 0, kPlotTypeCount - 1);
    rgPlot->button(m_type)->setChecked(true);
    edFromX->setText(s.fromX);
    edToX->setText(s.toX);
    edFromY->setText(s.fromY);
    edToY->setText(s.toY);
    edLegend->setText(s.legend);
    edTitle->setText(s.title);
    edX->setText(s.xAxis);
    edY->setText(s.yAxis);
    m_stepsX = s.stepsX;
    m_stepsY = s.stepsY;
    edStepsX->setText(QString::number(m_stepsX[m_type]));
    edStepsY->setText(QString::number(m_stepsY[m_type]));
    m_loading = false;
}

void GraphicsPage::storeSettings(CalcSettings& s) const {
    s.plotType = m_type;
    s.fromX = edFromX->text();
    s.toX = edToX->text();
    s.fromY = edFromY->text();
    s.toY = edToY->text();
    s.legend = edLegend->text();
    s.title = edTitle->text();
    s.xAxis = edX->text();
    s.yAxis = edY->text();
    s.stepsX = m_stepsX;
    s.stepsY = m_stepsY;
}

void GraphicsPage::createValidators() {
    using chart::TIntValidate;
    using chart::TRealValidate;
    m_vFromX =
        new TRealValidate(edFromX, QStringLiteral("Minimum X-coordinate"), this, -kRangeLimit, kRangeLimit);
    m_vToX =
        new TRealValidate(edToX, QStringLiteral("Maximum X-coordinate"), this, -kRangeLimit, kRangeLimit);
    m_vStepsX = new TIntValidate(2, QStringLiteral("Number of Steps"), this, edStepsX, 16000);
    m_vFromY =
        new TRealValidate(edFromY, QStringLiteral("Minimum Y-coordinate"), this, -kRangeLimit, kRangeLimit);
    m_vToY =
        new TRealValidate(edToY, QStringLiteral("Maximum Y-coordinate"), this, -kRangeLimit, kRangeLimit);
    m_vStepsY =
        new TIntValidate(hasYRange(m_type) ? 2 : 0, QStringLiteral("Number of Steps"), this, edStepsY, 16000);
    m_vNumCont = new TIntValidate(1, QStringLiteral(" Number of Cntours"), this, edNumCont, 1000);
    m_vExaggerate = new TRealValidate(edExaggerate, QStringLiteral("Vertical exaggerate"), this, 0, 1e30);
}

QString GraphicsPage::workingText() const {
    return m_links.input ? QString(m_links.input->text()).remove(QLatin1Char(' ')) : QString();
}

QString GraphicsPage::functionLabel() const {
    return QStringLiteral("f(") + workingText() + QLatin1Char(')');
}

void GraphicsPage::formShow() {
    if (m_type == kPlotFx) {
        edLegend->setText(functionLabel());
        edTitle->clear();
    } else {
        edTitle->setText(functionLabel());
        edLegend->clear();
    }
}

void GraphicsPage::tabShown() {
    const QString label =
        QStringLiteral("f(") + (m_links.input ? m_links.input->text() : QString()) + QLatin1Char(')');
    edLegend->setText(label);
    edTitle->setText(label);
    rgPlotClick(m_type);
    if (QAbstractButton* checked = rgPlot->checkedButton()) checked->setFocus();
}

// ---- handlers ----

void GraphicsPage::rgPlotClick(int t) {
    if (t < 0 || t >= kPlotTypeCount) return;
    m_type = t;
    if (QAbstractButton* b = rgPlot->button(t); !b->isChecked()) b->setChecked(true);
    lbLegend->setText(t == kPlotSurface ? QStringLiteral("Title") : QStringLiteral("Legend"));
    lbTitle->setText(t == kPlotSurface ? QStringLiteral(" Z axis") : QStringLiteral("Title"));
    if (m_vStepsY) m_vStepsY->SetMinimum(hasYRange(t) ? 2 : 0);
    edStepsX->setText(QString::number(m_stepsX[t]));
    edStepsY->setText(QString::number(m_stepsY[t]));

    const bool flat = t <= kPlotShading; // charts of the program's own with X and Y axes
    if (flat) {
        if (edY->text() == QLatin1String("Z") || edY->text().isEmpty()) edY->setText(QStringLiteral("Y"));
        if (edX->text().isEmpty()) edX->setText(QStringLiteral("X"));
        lbYAxis->setText(QStringLiteral(" Y axis"));
    } else if (t == kPlotPolar) {
        lbYAxis->clear();
    }
    sbColor->setVisible(t == kPlotFx || t == kPlotPolar);
    for (QWidget* w : {static_cast<QWidget*>(gbY), static_cast<QWidget*>(lbY1), static_cast<QWidget*>(lbY2),
                       static_cast<QWidget*>(lbStepY)})
        w->setEnabled(hasYRange(t));
    lbNC->setVisible(t == kPlotContour);
    edNumCont->setVisible(t == kPlotContour);
    const QString label = functionLabel();
    switch (t) {
    case kPlotContour:
    case kPlotShading: edTitle->setText(label); break;
    case kPlotSurface: edTitle->setText(QStringLiteral("Z")); break;
    default: edTitle->clear(); break;
    }
    const bool legend = !(t == kPlotContour || t == kPlotShading);
    if (legend) edLegend->setText(label);
    edLegend->setVisible(legend);
    lbLegend->setVisible(legend);
    // A label without its field would only puzzle: both go together.
    edExaggerate->setVisible(flat);
    lbExaggerate->setVisible(flat);
    if (m_links.assistant) m_links.assistant(QLatin1String(kAssistantTexts[t]));
    if (t == kPlotContour && m_targets.contourWindow) {
        constexpr int kFixedNotation = 1;
        edExaggerate->setText(
            QString::fromStdString(engine::formatNumber(m_exaggeration, 8, 0, kFixedNotation).text));
    }
}

void GraphicsPage::Edit1Change() {
    if (!m_links.input) return;
    const QString label = QStringLiteral("f(") + m_links.input->text() + QLatin1Char(')');
    if (m_type == kPlotContour || m_type == kPlotShading)
        edTitle->setText(label);
    else
        edLegend->setText(label);
}

void GraphicsPage::changeField(chart::TRealValidate* validator) {
    if (!m_loading && validator) validator->Change();
}

void GraphicsPage::edStepsXChange() {
    if (m_loading || !m_vStepsX) return;
    // Only a count the validator accepts is kept for the plot type.
    if (m_vStepsX->Change() && m_vStepsX->logic().check(edStepsX->text()).valid)
        m_stepsX[m_type] = m_vStepsX->Value();
}

void GraphicsPage::edStepsYChange() {
    if (m_loading || !m_vStepsY) return;
    if (m_vStepsY->Change() && m_vStepsY->logic().check(edStepsY->text()).valid)
        m_stepsY[m_type] = m_vStepsY->Value();
}

void GraphicsPage::sbColorClick() {
    const QColor initial = m_chosenColor.value_or(QColor(Qt::red));
    if (const std::optional<QColor> color =
            chart::uiServices().chooseColor(window(), initial, QStringLiteral("Color")))
        m_chosenColor = *color;
}

void GraphicsPage::sbShowClick() {
    if (QToolButton* show = m_links.showPlots) m_popup->popup(show->mapToGlobal(QPoint(0, show->height())));
}

void GraphicsPage::plotWindowShown(QWidget* window) {
    const char* item = nullptr;
    if (window == m_targets.plot2D)
        item = "miPlotfx";
    else if (window == m_targets.contourWindow)
        item = "miPlotfxy";
    else if (window == m_targets.surfaceWindow)
        item = "mi3DPlotfXY";
    if (!window || !item) return;
    if (m_links.showPlots) m_links.showPlots->setEnabled(true);
    m_popup->findChild<QAction*>(QLatin1String(item))->setEnabled(true);
}

} // namespace brelt::workspace
