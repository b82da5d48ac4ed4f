// TfmCalc: evaluation of the input line, the display modes, the history and results lists and the
// tape.
#include "workspace/rescu.h"

#include "chart/view/ui_services.h"
#include "workspace/atomic_file.h"
#include "workspace/profile_settings_store.h"
#include "workspace/tape_print.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTabWidget>

namespace brelt::workspace {

namespace {

// Restores the idle state however an evaluation ends. While it runs the tabs are locked and the
// input line is read-only (what is recorded is the formula evaluated); Stop stays usable.
class EvaluationScope {
public:
    EvaluationScope(QTabWidget* tabs, QLineEdit* input, bool& evaluating)
        : m_tabs(tabs), m_input(input), m_evaluating(evaluating), m_wasReadOnly(input->isReadOnly()) {
        m_tabs->setEnabled(false);
        m_input->setReadOnly(true);
        m_evaluating = true;
    }
    ~EvaluationScope() {
        if (m_cursor) QApplication::restoreOverrideCursor();
        m_tabs->setEnabled(true);
        m_input->setReadOnly(m_wasReadOnly);
        m_evaluating = false;
    }
    void showHourglass() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursor = true;
    }

private:
    QTabWidget* m_tabs;
    QLineEdit* m_input;
    bool& m_evaluating;
    bool m_wasReadOnly;
    bool m_cursor = false;
};

void setTextColor(QLineEdit* edit, const QColor& color) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, color);
    edit->setPalette(palette);
}

} // namespace

void TfmCalc::ReturnClick() {
    // The engine lets pending messages run during long procedures; a second Return (or "=") in
    // that time must not start another evaluation inside the running one.
    if (m_evaluating) return;
    EvaluationScope scope(pcCalc, Edit1, m_evaluating);
    const QString input = Edit1->text();
    if (input.isEmpty()) return;
    scope.showHourglass();
    const LineOutcome outcome = m_engine.evaluateLine(input, m_digits);
    // Closed in the meantime: the evaluation was broken off and the window's state saved.
    if (std::exchange(m_closedWhileEvaluating, false)) return;
    if (!outcome.ok) {
        showError(outcome.errorText, outcome.errorStart, outcome.errorLength);
        return;
    }
    showResult(outcome.resultText);
    Edit1->selectAll();
    if (Edit1->isModified() && !input.isEmpty()) recordCalculation(input, outcome);
}

void TfmCalc::showError(const QString& text, int start, int length) {
    setTextColor(Edit2, QColor(Qt::red));
    Edit2->setText(text);
    Edit1->setFocus();
    const int textLength = static_cast<int>(Edit1->text().size());
    const int from = std::clamp(start, 0, textLength);
    Edit1->setSelection(from, std::clamp(length, 0, textLength - from));
}

void TfmCalc::showResult(const QString& text) {
    setTextColor(Edit2, QColor(Qt::blue));
    Edit2->setText(text);
    Edit2->setCursorPosition(0);
}

void TfmCalc::recordCalculation(const QString& input, const LineOutcome& outcome) {
    m_recall.reset();
    cbResults->insertItem(0, Edit2->text());
    const int found = cbHistory->findText(input, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found < 0)
        cbHistory->insertItem(0, input);
    else if (found > 0) {
        cbHistory->removeItem(found);
        cbHistory->insertItem(0, input);
    }
    insertTapeLine(input + QStringLiteral(" = ") + Edit2->text() + outcome.tapeSuffix);
}

void TfmCalc::insertTapeLine(const QString& line) {
    QTextCursor cursor(mmTape->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(mmTape->document()->isEmpty() ? line : line + QLatin1Char('\n'));
}

QStringList TfmCalc::tapeLines() const {
    if (mmTape->document()->isEmpty()) return {};
    return mmTape->toPlainText().split(QLatin1Char('\n'));
}

void TfmCalc::updateTapeButtons() {
    const bool hasLines = !mmTape->document()->isEmpty();
    const bool hasSelection = mmTape->textCursor().hasSelection();
    btPrint->setEnabled(hasLines);
    btToFile->setEnabled(hasLines);
    btCopy->setEnabled(hasSelection);
    btCut->setEnabled(hasSelection);
}

void TfmCalc::btCopyClick() {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(
        mmTape->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void TfmCalc::btCutClick() {
    btCopyClick();
    mmTape->setReadOnly(false);
    mmTape->textCursor().removeSelectedText();
    mmTape->setReadOnly(true);
    updateTapeButtons();
}

void TfmCalc::btPrintClick() {
    const ProfileSettingsStore store(m_paths.ini());
    printTape(tapeLines(), mmTape->font(), this, store);
}

void TfmCalc::btToFileClick() {
    chart::FileDialogRequest request;
    request.title = QStringLiteral("Save to Text File");
    request.filters = QStringLiteral("Text files (*.TXT)");
    request.defaultSuffix = QStringLiteral("TXT");
    request.directory = m_paths.home;
    request.overwritePrompt = true;
    const chart::FileDialogResult chosen = chart::uiServices().saveFile(this, request);
    if (chosen.fileName.isEmpty()) return;
    QSaveFile file(chosen.fileName);
    const QByteArray bytes = joinCrLf(tapeLines()).toUtf8();
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        chart::uiServices().message(
            this, QStringLiteral("Brelt"),
            QStringLiteral("Can't write file %1: %2").arg(chosen.fileName, file.errorString()),
            chart::MessageKind::Error);
}

void TfmCalc::listKeyDown(QComboBox* list, QKeyEvent* event) {
    // Only the bare Delete key deletes; with Shift, Ctrl or Alt nothing happens.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        const int index = list->view()->currentIndex().isValid() ? list->view()->currentIndex().row()
                                                                 : list->currentIndex();
        if (index >= 0 && index < list->count()) list->removeItem(index);
        m_recall.reset();
    }
    list->update();
}

void TfmCalc::rgNotationClick(int index) {
    struct Bounds {
        int lower, upper;
    };
    static constexpr Bounds kBounds[] = {{8, 21}, {3, 20}, {11, 21}};
    m_engine.setNotation(index);
    if (index >= 0 && index <= 2) {
        const Bounds bounds = kBounds[index];
        const QSignalBlocker block(udDigits);
        udDigits->setRange(bounds.lower, bounds.upper);
        m_digitsLowerBound = bounds.lower;
        // Digits follows the control, so it never stands outside what the control shows.
        m_digits = std::clamp(m_digits, bounds.lower, bounds.upper);
        udDigits->setValue(m_digits);
    }
    if (QAbstractButton* button = rgNotation->button(index); button && !button->isChecked()) {
        const QSignalBlocker block(rgNotation);
        button->setChecked(true);
    }
    // While the settings load, the result line waits for the newest result of the history.
    if (!m_loading) Edit2->setText(m_engine.formatLastResult(m_digits));
    if (m_pages.modesChanged) m_pages.modesChanged();
}

void TfmCalc::udDigitsClick(int value) {
    m_digits = value;
    Edit2->setText(m_engine.formatLastResult(m_digits));
    if (m_pages.modesChanged) m_pages.modesChanged();
}

void TfmCalc::rgBaseClick(int index) {
    ReturnClick();
    if (QAbstractButton* button = rgBase->button(index); button && !button->isChecked()) {
        const QSignalBlocker block(rgBase);
        button->setChecked(true);
    }
    m_engine.setBase(index);
    Edit2->setText(m_engine.formatLastResult(m_digits));
    static const char* const kRadix[] = {"10", "16", "2"};
    insertTapeLine(Edit1->text() + QStringLiteral(" = ") + Edit2->text() + QStringLiteral("; Base=") +
                   QLatin1String(kRadix[std::clamp(index, 0, 2)]));
}

void TfmCalc::rgAngleClick(int index) {
    if (m_loading) return;
    m_engine.setAngleDegrees(index != 0);
}

void TfmCalc::recall(QComboBox* list, HistoryRecall::Step step) {
    if (m_evaluating) return;
    const std::optional<QString> text = m_recall.step(
        list == cbHistory ? 0 : 1, list->count(), [list](int i) { return list->itemText(i); }, Edit1->text(),
        step);
    if (!text) return;
    Edit1->setText(*text);
    Edit1->setModified(true);
    Edit1->setFocus();
}

void TfmCalc::sbStopClick() {
    m_engine.requestBreak();
}

void TfmCalc::sbEQClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ReturnClick();
    QApplication::restoreOverrideCursor();
    Edit1->setFocus();
}

void TfmCalc::sbClMemClick() {
    m_recall.reset();
    cbHistory->clear();
    cbResults->clear();
    m_engine.clearAll();
    Edit1->clear();
}

void TfmCalc::sbClInputClick() {
    Edit1->clear();
    Edit1->setFocus();
}

} // namespace brelt::workspace
