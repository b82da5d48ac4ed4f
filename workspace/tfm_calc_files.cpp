// TfmCalc: creation (FormCreate loads the settings, the history, the catalogue and the lists),
// showing (FormShow) and closing (FormCloseQuery saves the settings and the history).
#include "workspace/rescu.h"

#include "chart/view/ui_services.h"
#include "workspace/atomic_file.h"
#include "workspace/graphics_page.h"
#include "workspace/history_file.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace brelt::workspace {

TfmCalc::TfmCalc(CalcEngine& engine, HomePaths paths, const TfmCalcPageFactory& pages, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_paths(std::move(paths)) {
    buildLayout();
    if (pages) installPages(pages(*this));
    connect(rgNotation, &QButtonGroup::idClicked, this, &TfmCalc::rgNotationClick);
    connect(rgBase, &QButtonGroup::idClicked, this, &TfmCalc::rgBaseClick);
    connect(rgAngle, &QButtonGroup::idClicked, this, &TfmCalc::rgAngleClick);
    // After a click on a mode the user types on where they were: in the input line.
    for (QButtonGroup* modes : {rgNotation, rgBase, rgAngle})
        connect(modes, &QButtonGroup::idClicked, this, [this] { Edit1->setFocus(); });
    connect(udDigits, &QSpinBox::valueChanged, this, &TfmCalc::udDigitsClick);
    connect(udPrecision, &QSpinBox::valueChanged, this, [this](int value) { m_engine.setPrecision(value); });
    connect(chHint, &QCheckBox::toggled, this, &TfmCalc::chHintClick);
    connect(chAssistant, &QCheckBox::toggled, this, &TfmCalc::chAssistantClick);
    connect(pcCalc, &QTabWidget::currentChanged, this, &TfmCalc::pcCalcChange);
    connect(cbHistory, &QComboBox::activated, this,
            [this](int index) { insertText(cbHistory->itemText(index)); });
    connect(cbResults, &QComboBox::activated, this,
            [this](int index) { insertText(cbResults->itemText(index)); });
    qApp->installEventFilter(this);
    FormCreate();
    updateTapeButtons();
}

TfmCalc::~TfmCalc() {
    qApp->removeEventFilter(this);
}

void TfmCalc::FormCreate() {
    m_digitsLowerBound = 0;
    m_loading = true;

    ProfileFile ini(m_paths.ini());
    ini.load();
    m_settings = readCalcSettings(ini, m_paths.home);
    const CalcSettings& s = m_settings;
    if (s.notation != rgNotation->checkedId() && s.notation >= 0 && s.notation <= 3)
        rgNotationClick(s.notation);
    {
        const QSignalBlocker block(udDigits);
        udDigits->setValue(s.digits);
        m_digits = udDigits->value(); // clamped to the notation's bounds
    }
    udPrecision->setValue(s.precision);
    m_engine.setPrecision(udPrecision->value());
    chAssistant->setChecked(s.assistant);
    chAssistantClick(s.assistant);
    chHint->setChecked(s.hint);
    m_engine.setAngleDegrees(s.degrees);
    rgAngle->button(s.degrees ? 1 : 0)->setChecked(true);
    setSpeedButtonHints(s.hint);

    loadHistory();

    m_graphics->loadSettings(s);
    move(visibleCalcPosition(s, sizeHint()));
    m_loading = false;

    m_graphics->rgPlotClick(s.plotType);
    m_graphics->createValidators();

    QPalette hintPalette = pnAssistant->palette();
    hintPalette.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    hintPalette.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::ToolTipText));
    pnAssistant->setPalette(hintPalette);
    m_created = true;
}

void TfmCalc::loadHistory() {
    CalcHistory history;
    if (!readHistoryFile(m_paths.history(), history)) return;
    cbHistory->addItems(history.formulas);
    cbResults->addItems(history.results);
}

void TfmCalc::saveHistory() {
    CalcHistory history;
    for (int i = 0; i < cbHistory->count(); ++i)
        history.formulas << cbHistory->itemText(i);
    for (int i = 0; i < cbResults->count(); ++i)
        history.results << cbResults->itemText(i);
    writeHistoryFile(m_paths.history(), history); // a failure is not reported: the window closes
}

CalcSettings TfmCalc::collectSettings() const {
    CalcSettings s = m_settings;
    s.notation = std::max(0, rgNotation->checkedId());
    s.digits = m_digits;
    s.precision = udPrecision->value();
    s.assistant = chAssistant->isChecked();
    s.hint = chHint->isChecked();
    s.degrees = rgAngle->checkedId() != 0;
    m_graphics->storeSettings(s);
    s.left = pos().x();
    s.top = pos().y();
    return s;
}

void TfmCalc::FormShow() {
    if (Edit1->text().isEmpty() && cbHistory->count() > 0) {
        Edit1->setText(cbHistory->itemText(0));
        Edit1->setFocus();
        Edit1->selectAll();
    }
    if (Edit2->text().isEmpty() && cbResults->count() > 0) Edit2->setText(cbResults->itemText(0));
    Edit1->setModified(true);
    m_graphics->formShow();
}

bool TfmCalc::FormCloseQuery() {
    if (m_pages.closing) m_pages.closing();
    ProfileFile ini(m_paths.ini());
    ini.load(); // sections of the other windows are kept
    m_settings = collectSettings();
    writeCalcSettings(ini, m_settings);
    ini.save();
    saveHistory();
    return true;
}

void TfmCalc::closeEvent(QCloseEvent* event) {
    // Closing during an evaluation breaks it off at its next step, without the break question:
    // the user asked to leave, and the program must not stay behind computing.
    if (m_evaluating) {
        m_closedWhileEvaluating = true;
        m_engine.abortEvaluation();
    }
    if (!m_closed && FormCloseQuery()) m_closed = true;
    event->accept();
    if (m_closedWhileEvaluating) emit closedDuringEvaluation();
}

void TfmCalc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    FormShow();
    const QDateTime now = QDateTime::currentDateTime();
    if (!m_firstShown.isValid()) {
        m_firstShown = now;
        m_lastGreeting = now;
        startAssistant(2);
        // The start-up warnings wait until the window stands, so the user sees what they are about.
        QTimer::singleShot(0, this, &TfmCalc::finishStartup);
        if (m_reportStartup && m_startMs >= 0)
            std::fprintf(stderr, "brelt: first shown %lld ms after start\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch() - m_startMs));
    } else if (m_lastGreeting.secsTo(now) > 24 * 3600) {
        m_lastGreeting = now;
        startAssistant(2);
    }
    Edit1->setFocus();
}

void TfmCalc::loadCatalogues() {
    // The constants catalogue: one constant per line; sorted once loaded.
    if (m_pages.loadConstants)
        m_pages.loadConstants();
    else {
        QString catalogue;
        if (readTextFile(m_paths.constants(), catalogue)) {
            for (const QString& line : splitLines(catalogue))
                if (!line.trimmed().isEmpty()) lbConst->addItem(line);
        } else {
            m_startupWarnings.push_back(
                {QStringLiteral("File <") + m_paths.base() + QStringLiteral(".CON> not found."), false});
        }
        lbConst->setSortingEnabled(true);
        lbConst->sortItems();
    }

    // The user functions and their tab; a missing file is no error.
    const QString functionsFile = m_paths.functionsToLoad(m_settings.functionsFile);
    if (m_pages.loadFunctions)
        m_pages.loadFunctions(functionsFile);
    else {
        QString functions;
        if (readTextFile(functionsFile, functions))
            for (const QString& line : splitLines(functions))
                lbFuncs->addItem(line);
    }

    // The user variables: a file that cannot be read is reported; none at all (a first run) is not.
    if (m_pages.loadVariables)
        m_pages.loadVariables(m_settings.variablesFile);
    else {
        QString variables;
        if (QFileInfo::exists(m_settings.variablesFile) && !readTextFile(m_settings.variablesFile, variables))
            m_startupWarnings.push_back(
                {QStringLiteral("Can't read file ") + m_settings.variablesFile, true});
    }
}

void TfmCalc::finishStartup() {
    // The files that may ask or warn are read once the window stands, so every box has the
    // window behind it and a termination signal finds a window to close.
    loadCatalogues();
    const auto warnings = std::exchange(m_startupWarnings, {});
    for (const auto& [text, error] : warnings)
        chart::uiServices().message(this, QStringLiteral("Brelt"), text,
                                    error ? chart::MessageKind::Error : chart::MessageKind::Warning);
}

void TfmCalc::setStartupClock(qint64 startMs, bool report) {
    m_startMs = startMs;
    m_reportStartup = report;
}

} // namespace brelt::workspace
