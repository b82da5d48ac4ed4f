#pragma once
// TfmCalc, the calculator's main window: the result line `Edit2` over the results list
// `cbResults`, the input line `Edit1` over the history list `cbHistory`, the tab control `pcCalc`,
// the progress panel `Panel1` and the assistant panel `pnAssistant`. It evaluates the input line
// through a CalcEngine (ReturnClick), records every calculation in the history, the results and
// the tape, keeps the display modes, and loads its settings and history when created and saves
// them when it closes. Every control carries its name as objectName, so tests find it by name.
//
// The implementation is split by concern: tfm_calc_layout.cpp (controls), tfm_calc_evaluation.cpp
// (ReturnClick, modes, lists, tape), tfm_calc_keys.cpp (insertion, keypad, keyboard, tabs),
// tfm_calc_assistant.cpp (assistant, greeting, About), tfm_calc_files.cpp (FormCreate and close).
#include "workspace/brelt_home.h"
#include "workspace/calc_engine.h"
#include "workspace/calc_settings.h"
#include "workspace/history_recall.h"

#include <QDateTime>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QToolButton;
class QButtonGroup;

namespace brelt::workspace {

class GraphicsPage;
class TfmCalc;

// The tab pages and loaders that other parts of the program supply. A factory builds them once the
// window's controls exist (the pages call back into the window) and before the settings load; any
// member left empty keeps the window's own placeholder.
struct TfmCalcPages {
    QWidget* constants = nullptr;                      // the "Constants" page
    QWidget* variables = nullptr;                      // the "Variables" page
    QWidget* userVars = nullptr;                       // the "User Vars" page
    QWidget* userFuncs = nullptr;                      // the "User Funcs" page
    QWidget* variableButtons = nullptr;                // in place of the letter buttons `btX` … `btN`
    std::function<void()> loadConstants;               // the catalogue, with its own warning
    std::function<void(const QString&)> loadFunctions; // the user functions file
    std::function<void(const QString&)> loadVariables; // the user variables file
    std::function<void()> modesChanged;                // Digits or the notation changed
    std::function<void()> closing; // the window closes: the plot windows' charts stop drawing
};
using TfmCalcPageFactory = std::function<TfmCalcPages(TfmCalc&)>;

class TfmCalc : public QWidget {
    Q_OBJECT
public:
    // `engine` is not owned and must outlive the window. The window reads its files from `paths`.
    TfmCalc(CalcEngine& engine, HomePaths paths, const TfmCalcPageFactory& pages = {},
            QWidget* parent = nullptr);
    ~TfmCalc() override;

    // Part of the program's flow; public so that other windows and tests can call them.
    void ReturnClick();
    void FormCreate();
    void FormShow();
    // Saves settings and history; always allows the window to close.
    bool FormCloseQuery();

    void rgNotationClick(int index);
    void rgBaseClick(int index);
    void rgAngleClick(int index);
    void udDigitsClick(int value);
    void sbStopClick();
    void sbEQClick();
    void sbClMemClick();
    void sbClInputClick();

    // Replaces the input line's selection by `text`; the cursor goes after the "(" of "()",
    // "(,)" or "(,,)" when the text holds one.
    void insertText(const QString& text);
    // Shows the catalogue entry's help in the assistant panel.
    void showHelpEntry(int row);
    // Shows a fixed text in the assistant panel, sized to it.
    void showAssistantText(const QString& text);
    // The greeting for a window first shown at `when`.
    void showGreeting(const QDateTime& when);

    int digits() const { return m_digits; }
    const CalcSettings& settings() const { return m_settings; }
    const HomePaths& paths() const { return m_paths; }
    // The Graphics tab; the program connects the engine and the plot windows to it.
    GraphicsPage& graphicsPage() { return *m_graphics; }
    bool isEvaluating() const { return m_evaluating; }

    // Opens help topic `topic` (F1, the Help buttons).
    void openHelp(int topic);
    // Opens help topic `topic`; the program connects the help viewer, tests a recorder.
    void setHelpHandler(std::function<void(QWidget*, int)> handler) { m_helpHandler = std::move(handler); }

    // Started by the program: how long from start-up to the first showing (ms), printed when set.
    void setStartupClock(qint64 startMs, bool report);

signals:
    // The window was closed while an evaluation ran: it is being broken off, settings and history
    // are saved.
    void closedDuringEvaluation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Layout (tfm_calc_layout.cpp).
    void buildLayout();
    QWidget* buildCalculatorTab();
    QWidget* buildTapeTab();
    QWidget* buildConstantsTab();
    QWidget* buildGraphicsTab();
    QWidget* buildVariablesTab();
    QWidget* buildUserVarsTab();
    QWidget* buildFuncsTab();
    QWidget* buildAboutTab();
    QToolButton* makeSpeedButton(const QString& name, const QString& caption, const QString& hint);
    void setSpeedButtonHints(bool show);
    void installPages(const TfmCalcPages& pages);
    void replacePage(QWidget*& placeholder, QWidget* page);

    // Evaluation, lists and tape (tfm_calc_evaluation.cpp).
    void recordCalculation(const QString& input, const LineOutcome& outcome);
    // Up, Down, Page Up, Page Down and the wheel: the input line takes an entry of `list`.
    void recall(QComboBox* list, HistoryRecall::Step step);
    void showError(const QString& text, int start, int length);
    void showResult(const QString& text);
    void updateTapeButtons();
    void insertTapeLine(const QString& line);
    QStringList tapeLines() const;
    void btCopyClick();
    void btCutClick();
    void btPrintClick();
    void btToFileClick();
    void listKeyDown(QComboBox* list, QKeyEvent* event);

    // Keys, keypad and tabs (tfm_calc_keys.cpp).
    bool FormKeyDown(QKeyEvent* event, QWidget* focused);
    void Clicker(const QString& buttonName);
    void pressButton(const QString& objectName);
    void pcCalcChange(int index);
    void returnOnOtherTab(QWidget* focused);
    void SpinButton1Up();
    void SpinButton1Down();
    void resizeEntryLines(int delta);
    void chHintClick(bool checked);
    void chAssistantClick(bool checked);

    // Assistant (tfm_calc_assistant.cpp).
    void startAssistant(int mode);
    void Timer1Timer();
    void BitBtn6Click();

    // Files (tfm_calc_files.cpp).
    void loadHistory();
    void saveHistory();
    CalcSettings collectSettings() const;
    void finishStartup();
    void loadCatalogues(); // constants, user functions, user variables

    CalcEngine& m_engine;
    HomePaths m_paths;
    CalcSettings m_settings;
    int m_digits = 12;
    int m_digitsLowerBound = 0;
    bool m_loading = false;
    bool m_evaluating = false;
    bool m_created = false;
    bool m_closed = false;
    bool m_closedWhileEvaluating = false; // the running evaluation is being broken off
    int m_helpRow = -1;                   // the catalogue row the assistant shows, -1 none
    int m_timerMode = 1;                  // 1 word at the cursor, 2 greeting
    QDateTime m_firstShown;               // when the window was first shown (the greeting's time)
    QDateTime m_lastGreeting;
    qint64 m_startMs = -1;
    bool m_reportStartup = false;
    std::function<void(QWidget*, int)> m_helpHandler;
    std::vector<std::pair<QString, bool>> m_startupWarnings; // text, shown as an error
    HistoryRecall m_recall;

    // Controls, named as their objectName.
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QComboBox* cbHistory = nullptr;
    QComboBox* cbResults = nullptr;
    QTabWidget* pcCalc = nullptr;
    QWidget* tsMain = nullptr;
    QWidget* tsTape = nullptr;
    QWidget* tsConst = nullptr;
    QWidget* tsGraph = nullptr;
    QWidget* tsVariables = nullptr;
    QWidget* tsUserVar = nullptr;
    QWidget* tsFuncs = nullptr;
    QWidget* tsAbout = nullptr;
    QWidget* Panel1 = nullptr;
    QProgressBar* Gauge = nullptr;
    QLabel* pnAssistant = nullptr;
    QPlainTextEdit* mmTape = nullptr;
    QPushButton* btCopy = nullptr;
    QPushButton* btCut = nullptr;
    QPushButton* btPrint = nullptr;
    QPushButton* btToFile = nullptr;
    QToolButton* sbStop = nullptr;
    QButtonGroup* rgNotation = nullptr;
    QButtonGroup* rgBase = nullptr;
    QButtonGroup* rgAngle = nullptr;
    QSpinBox* udDigits = nullptr;
    QSpinBox* udPrecision = nullptr;
    QCheckBox* chHint = nullptr;
    QCheckBox* chAssistant = nullptr;
    QListWidget* lbConst = nullptr;
    QListWidget* lbFuncs = nullptr;
    QLineEdit* edFind = nullptr;
    QLineEdit* edName = nullptr;
    QLineEdit* edValue = nullptr;
    QLineEdit* edXVar = nullptr;
    QTimer* Timer1 = nullptr;
    QGridLayout* m_pad = nullptr;
    int m_variableRow = 0; // the pad row of the letter buttons
    std::vector<QToolButton*> m_letterButtons;
    TfmCalcPages m_pages;
    GraphicsPage* m_graphics = nullptr; // the Graphics tab
};

} // namespace brelt::workspace
