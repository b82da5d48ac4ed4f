// TfmCalc's controls: built with layouts so that no caption is clipped at any font size or scale,
// then frozen at the size they ask for (the window has a fixed size, as a desk calculator does).
#include "workspace/rescu.h"

#include "workspace/graphics_page.h"
#include "workspace/keypad.h"
#include "workspace/widget_naming.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>
#include <string_view>

namespace brelt::workspace {

using namespace widgets;

namespace {

// Keeps a line edit over the text field of a combo box, so that the pair looks and acts as one
// editable list: the line edit holds the text, the combo's arrow opens the list.
class ComboOverlay : public QObject {
public:
    ComboOverlay(QComboBox* combo, QLineEdit* edit) : QObject(combo), m_combo(combo), m_edit(edit) {
        combo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
            event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
            place();
        return false;
    }

private:
    void place() {
        QStyleOptionComboBox option;
        option.initFrom(m_combo);
        option.editable = true;
        option.frame = true;
        const QRect field = m_combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, m_combo);
        m_edit->setGeometry(field);
    }
    QComboBox* m_combo;
    QLineEdit* m_edit;
};

} // namespace

QToolButton* TfmCalc::makeSpeedButton(const QString& name, const QString& caption, const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setProperty("breltHint", hint);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus); // speed buttons never take the focus from the input line
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setMinimumHeight(button->fontMetrics().height() + 10);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("round")) + 12);
    return button;
}

void TfmCalc::setSpeedButtonHints(bool show) {
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setToolTip(show ? button->property("breltHint").toString() : QString());
}

void TfmCalc::buildLayout() {
    setObjectName(QStringLiteral("fmCalc"));
    setWindowTitle(QStringLiteral("Brelt"));
    auto* root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(6);

    cbResults = named(new QComboBox, "cbResults");
    cbResults->setFocusPolicy(Qt::NoFocus);
    Edit2 = namedEdit("Edit2", cbResults);
    Edit2->setReadOnly(true);
    Edit2->setFrame(false);
    Edit2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit2->setFocusPolicy(Qt::NoFocus); // the result line never keeps the focus
    new ComboOverlay(cbResults, Edit2);

    cbHistory = named(new QComboBox, "cbHistory");
    cbHistory->setFocusPolicy(Qt::NoFocus);
    Edit1 = namedEdit("Edit1", cbHistory);
    Edit1->setFrame(false);
    Edit1->setPlaceholderText(QStringLiteral("Type a formula and press Return"));
    new ComboOverlay(cbHistory, Edit1);
    // The lists never size the window to their longest entry (the window has a fixed size).
    for (QComboBox* list : {cbResults, cbHistory}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(12);
    }

    QFont entryFont = font();
    entryFont.setPointSizeF(entryFont.pointSizeF() * 1.25);
    for (QWidget* w : {static_cast<QWidget*>(cbResults), static_cast<QWidget*>(Edit2),
                       static_cast<QWidget*>(cbHistory), static_cast<QWidget*>(Edit1)})
        w->setFont(entryFont);
    cbResults->setMinimumHeight(QFontMetrics(entryFont).height() + 14);
    cbHistory->setMinimumHeight(QFontMetrics(entryFont).height() + 14);
    root->addWidget(cbResults);
    // The Stop button stands beside the input line, outside the tabs that an evaluation locks.
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(cbHistory, 1);
    sbStop = makeSpeedButton(QStringLiteral("sbStop"), QStringLiteral("Stop"),
                             QStringLiteral("Break culculation"));
    sbStop->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    inputRow->addWidget(sbStop);
    connect(sbStop, &QToolButton::clicked, this, &TfmCalc::sbStopClick);
    root->addLayout(inputRow);

    pcCalc = named(new QTabWidget, "pcCalc");
    tsMain = buildCalculatorTab();
    tsTape = buildTapeTab();
    tsConst = buildConstantsTab();
    tsGraph = buildGraphicsTab();
    tsVariables = buildVariablesTab();
    tsUserVar = buildUserVarsTab();
    tsFuncs = buildFuncsTab();
    tsAbout = buildAboutTab();
    pcCalc->addTab(tsMain, QStringLiteral("Calculator"));
    pcCalc->addTab(tsTape, QStringLiteral("Tape"));
    pcCalc->addTab(tsConst, QStringLiteral("Constants"));
    pcCalc->addTab(tsGraph, QStringLiteral("Graphics"));
    pcCalc->addTab(tsVariables, QStringLiteral("Variables"));
    pcCalc->addTab(tsUserVar, QStringLiteral("User Vars"));
    pcCalc->addTab(tsFuncs, QStringLiteral("User Funcs"));
    pcCalc->addTab(tsAbout, QStringLiteral("About"));
    root->addWidget(pcCalc);

    Panel1 = named(new QWidget, "Panel1");
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    Gauge = named(new QProgressBar, "Gauge");
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    panelLayout->addWidget(Gauge);
    // The progress bar keeps its room while hidden, so the window does not jump between tabs.
    QSizePolicy panelPolicy = Panel1->sizePolicy();
    panelPolicy.setRetainSizeWhenHidden(true);
    Panel1->setSizePolicy(panelPolicy);
    Panel1->hide();
    root->addWidget(Panel1);

    pnAssistant = named(new QLabel, "pnAssistant");
    pnAssistant->setAutoFillBackground(true);
    pnAssistant->setFrameShape(QFrame::StyledPanel);
    pnAssistant->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    pnAssistant->setMinimumHeight(pnAssistant->fontMetrics().height() + 6);
    root->addWidget(pnAssistant, 0, Qt::AlignLeft);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &TfmCalc::Timer1Timer);

    m_graphics->link(
        {Edit1, Edit2, cbHistory, pcCalc, Gauge, findChild<QToolButton*>(QStringLiteral("sbShow")),
         [this](const QString& text) { showAssistantText(text); }, [this](int topic) { openHelp(topic); }});
}

QWidget* TfmCalc::buildCalculatorTab() {
    auto* page = named(new QWidget, "tsMain");
    auto* layout = new QHBoxLayout(page);

    // Modes.
    auto* modes = new QVBoxLayout;
    auto* notationBox = named(new QGroupBox(QStringLiteral("Notation")), "gbNotation");
    auto* notationLayout = new QGridLayout(notationBox);
    auto* notationRow1 = new QHBoxLayout;
    auto* notationRow2 = new QHBoxLayout;
    notationLayout->addLayout(notationRow1, 0, 0);
    notationLayout->addLayout(notationRow2, 1, 0);
    rgNotation = radioGroup(this, "rgNotation", {QStringLiteral("Scn"), QStringLiteral("Fix")}, notationRow1);
    for (int i = 2; i < 4; ++i) {
        auto* radio = new QRadioButton(i == 2 ? QStringLiteral("Eng") : QStringLiteral("Sxg"));
        radio->setObjectName(QStringLiteral("rgNotation_%1").arg(i));
        rgNotation->addButton(radio, i);
        notationRow2->addWidget(radio);
    }
    auto* digitsRow = new QHBoxLayout;
    digitsRow->addWidget(new QLabel(QStringLiteral("Digits")));
    udDigits = named(new QSpinBox, "udDigits");
    udDigits->setRange(0, 21);
    udDigits->setValue(12);
    digitsRow->addWidget(udDigits);
    notationLayout->addLayout(digitsRow, 2, 0);
    modes->addWidget(notationBox);

    auto* baseBox = named(new QGroupBox(QStringLiteral("Base")), "gbBase");
    auto* baseLayout = new QHBoxLayout(baseBox);
    rgBase = radioGroup(this, "rgBase",
                        {QStringLiteral("dec"), QStringLiteral("hex"), QStringLiteral("bin ")}, baseLayout);
    modes->addWidget(baseBox);

    auto* angleBox = named(new QGroupBox(QStringLiteral("Angle")), "gbAngle");
    auto* angleLayout = new QHBoxLayout(angleBox);
    rgAngle = radioGroup(this, "rgAngle", {QStringLiteral("Rad"), QStringLiteral("Deg")}, angleLayout);
    modes->addWidget(angleBox);

    auto* precisionRow = new QHBoxLayout;
    precisionRow->addWidget(new QLabel(QStringLiteral("Precision")));
    udPrecision = named(new QSpinBox, "udPrecision");
    udPrecision->setRange(1, 20);
    udPrecision->setValue(9);
    udPrecision->setToolTip(QStringLiteral("Digits on which integration steps must agree"));
    precisionRow->addWidget(udPrecision);
    modes->addLayout(precisionRow);
    chHint = named(new QCheckBox(QStringLiteral("Show help")), "chHint");
    chAssistant = named(new QCheckBox(QStringLiteral("Assistant")), "chAssistant");
    chHint->setChecked(true);
    chAssistant->setChecked(true);
    modes->addWidget(chHint);
    modes->addWidget(chAssistant);
    modes->addStretch();

    auto* toolsRow = new QHBoxLayout;
    auto* spinBox = named(new QWidget, "SpinButton1");
    auto* spinLayout = new QVBoxLayout(spinBox);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(0);
    auto* spinUp = makeSpeedButton(QStringLiteral("SpinButton1Up"), QString::fromUtf8("\xe2\x96\xb4"),
                                   QStringLiteral("Font size"));
    auto* spinDown = makeSpeedButton(QStringLiteral("SpinButton1Down"), QString::fromUtf8("\xe2\x96\xbe"),
                                     QStringLiteral("Font size"));
    for (QToolButton* b : {spinUp, spinDown}) {
        b->setMinimumSize(0, 0);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        spinLayout->addWidget(b);
    }
    connect(spinUp, &QToolButton::clicked, this, &TfmCalc::SpinButton1Up);
    connect(spinDown, &QToolButton::clicked, this, &TfmCalc::SpinButton1Down);
    toolsRow->addWidget(spinBox);
    auto* help =
        makeSpeedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Help"), QStringLiteral("Help"));
    connect(help, &QToolButton::clicked, this, [this] { openHelp(0); });
    toolsRow->addWidget(help);
    auto* power =
        makeSpeedButton(QStringLiteral("RxSwitch1"), QStringLiteral("Off"), QStringLiteral("Switch off"));
    connect(power, &QToolButton::clicked, this, &QWidget::close);
    toolsRow->addWidget(power);
    for (QToolButton* b : {help, power})
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    modes->addLayout(toolsRow);
    layout->addLayout(modes);

    // Function buttons, six to a row.
    auto* functions = new QGridLayout;
    functions->setSpacing(3);
    int index = 0;
    for (const FunctionButton& f : functionButtons()) {
        auto* button = makeSpeedButton(QString::fromLatin1(f.objectName), QString::fromUtf8(f.caption),
                                       QString::fromLatin1(f.name) + argumentPattern(f.pattern));
        button->setProperty("Tag", f.tag);
        const QString name = button->objectName();
        connect(button, &QToolButton::clicked, this, [this, name] { Clicker(name); });
        functions->addWidget(button, index / 6, index % 6);
        ++index;
    }
    layout->addLayout(functions, 1);

    // Digits, operators, variables, editing and evaluation.
    auto* pad = new QGridLayout;
    m_pad = pad;
    pad->setSpacing(3);
    int row = 0;
    int column = 0;
    for (const TextButton& t : textButtons()) {
        auto* button = makeSpeedButton(QString::fromLatin1(t.objectName), QString::fromUtf8(t.caption),
                                       QString::fromUtf8(t.hint));
        const QString text = QString::fromUtf8(t.text);
        connect(button, &QToolButton::clicked, this, [this, text] { insertText(text); });
        pad->addWidget(button, row, column);
        if (++column == 5) {
            column = 0;
            ++row;
        }
    }
    if (column != 0) ++row;
    column = 0;
    m_variableRow = row;
    for (const char* letter : {"X", "Y", "Z", "V", "W", "I", "J", "K", "M", "N"}) {
        auto* button = makeSpeedButton(QStringLiteral("bt") + QLatin1String(letter), QLatin1String(letter),
                                       QStringLiteral("Variable ") + QLatin1String(letter));
        const QString text = QLatin1String(letter);
        connect(button, &QToolButton::clicked, this, [this, text] { insertText(text); });
        pad->addWidget(button, row + column / 5, column % 5);
        m_letterButtons.push_back(button);
        ++column;
    }
    row += 2;
    struct Action {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Action actions[] = {
        {"sbCopy", "Copy", "Copy the selection"},
        {"sbCut", "Cut", "Cut the selection"},
        {"sbPaste", "Paste", "Paste"},
        {"sbClInput", "C", "Clear the input line"},
        {"sbClMem", "CA", "Clear All"},
        {"sbShow", "Plot", "Show plots"},
        {"sbEQ", "=", "Evaluate"},
    };
    column = 0;
    std::map<std::string_view, QToolButton*> made;
    for (const Action& a : actions) {
        auto* button = makeSpeedButton(QString::fromLatin1(a.name), QString::fromLatin1(a.caption),
                                       QString::fromLatin1(a.hint));
        const std::string_view name(a.name);
        pad->addWidget(button, row, column, 1, name == "sbEQ" ? 4 : 1);
        made[name] = button;
        if (++column == 5) {
            column = 0;
            ++row;
        }
    }
    connect(made["sbCopy"], &QToolButton::clicked, this, [this] {
        if (Edit1->hasSelectedText()) Edit1->copy();
        Edit1->setFocus();
    });
    connect(made["sbCut"], &QToolButton::clicked, this, [this] {
        if (Edit1->hasSelectedText()) Edit1->cut();
        Edit1->setFocus();
    });
    connect(made["sbPaste"], &QToolButton::clicked, this, [this] {
        Edit1->paste();
        Edit1->setFocus();
    });
    connect(made["sbClInput"], &QToolButton::clicked, this, &TfmCalc::sbClInputClick);
    connect(made["sbClMem"], &QToolButton::clicked, this, &TfmCalc::sbClMemClick);
    connect(made["sbEQ"], &QToolButton::clicked, this, &TfmCalc::sbEQClick);
    layout->addLayout(pad, 1);
    return page;
}

} // namespace brelt::workspace
