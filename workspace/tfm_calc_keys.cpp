// TfmCalc: putting text into the input line, the keypad, the keyboard map (the window sees every
// key before its controls do), the tab switching and the small controls of the Calculator tab.
#include "workspace/rescu.h"

#include "workspace/graphics_page.h"
#include "workspace/keypad.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QWheelEvent>

namespace brelt::workspace {

void TfmCalc::insertText(const QString& text) {
    // While an evaluation runs the input line holds the formula being evaluated.
    if (m_evaluating) return;
    const int start = Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
    Edit1->insert(text);
    Edit1->setModified(true);
    Edit1->setCursorPosition(start + cursorAfterInsert(text));
    Edit1->setFocus();
}

void TfmCalc::Clicker(const QString& buttonName) {
    const FunctionButton* button = findFunctionButton(buttonName);
    if (!button) return;
    insertText(functionButtonText(*button));
    if (chAssistant->isChecked()) showHelpEntry(button->tag);
}

void TfmCalc::pressButton(const QString& objectName) {
    if (auto* button = findChild<QAbstractButton*>(objectName)) button->click();
}

namespace {

bool isTextKey(int key) {
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
}

// The keys that walk through the history from the input line.
std::optional<HistoryRecall::Step> recallStep(const QKeyEvent* key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
    switch (key->key()) {
    case Qt::Key_Up: return HistoryRecall::Step::Older;
    case Qt::Key_Down: return HistoryRecall::Step::Newer;
    case Qt::Key_PageUp: return HistoryRecall::Step::Oldest;
    case Qt::Key_PageDown: return HistoryRecall::Step::Newest;
    default: return std::nullopt;
    }
}

} // namespace

bool TfmCalc::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A click on the result line gives the focus back to the input line (Edit2Click).
    if (watched == Edit2 && type == QEvent::MouseButtonRelease) Edit1->setFocus();
    // A click in the input line asks the assistant about the word now under the cursor.
    if (watched == Edit1 && type == QEvent::MouseButtonRelease) startAssistant(1);
    // The tape's buttons follow its selection on key release and mouse move as well.
    if ((watched == mmTape && type == QEvent::KeyRelease) ||
        (watched == mmTape->viewport() && type == QEvent::MouseMove))
        updateTapeButtons();
    // The wheel over the input line or the result line walks through their lists; the combo boxes
    // under them would otherwise splice entries into the formula.
    if (type == QEvent::Wheel) {
        QComboBox* list = watched == Edit1 || watched == cbHistory   ? cbHistory
                          : watched == Edit2 || watched == cbResults ? cbResults
                                                                     : nullptr;
        if (!list) return QWidget::eventFilter(watched, event);
        const int notches = m_recall.wheelNotches(static_cast<QWheelEvent*>(event)->angleDelta().y());
        for (int i = 0; i < std::abs(notches); ++i)
            recall(list, notches > 0 ? HistoryRecall::Step::Older : HistoryRecall::Step::Newer);
        return true;
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Up, Down, Page Up and Page Down in the input line recall the history; the combo box under it
    // must not see them (it would insert the entry at the cursor).
    if (type == QEvent::KeyPress && (watched == Edit1 || watched == cbHistory)) {
        if (const auto step = recallStep(key)) {
            recall(cbHistory, *step);
            return true;
        }
    }
    // Typing that reaches a list from the read-only input line would pick an entry by its letters.
    if (type == QEvent::KeyPress && (watched == cbHistory || watched == cbResults) &&
        !key->text().isEmpty() && key->key() != Qt::Key_Delete)
        return true;
    // The history and results lists (and their popups) delete with the bare Delete key.
    if (type == QEvent::KeyPress && key->key() == Qt::Key_Delete) {
        if (watched == cbHistory || watched == cbHistory->view()) {
            listKeyDown(cbHistory, key);
            return true;
        }
        if (watched == cbResults || watched == cbResults->view()) {
            listKeyDown(cbResults, key);
            return true;
        }
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return QWidget::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Claim the combinations of the keyboard map before any shortcut or mnemonic does.
        const Qt::KeyboardModifiers mods = key->modifiers();
        const bool mapped =
            ((mods & Qt::ControlModifier) && ctrlKeyAction(key->key())) ||
            (!(mods & Qt::ControlModifier) && (mods & Qt::AltModifier) && altKeyAction(key->key()));
        if (mapped) {
            event->accept();
            return true;
        }
        return false;
    }
    return FormKeyDown(key, widget);
}

bool TfmCalc::FormKeyDown(QKeyEvent* event, QWidget* focused) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::ControlModifier) {
        if (!isTextKey(key)) return false;
        const auto action = ctrlKeyAction(key);
        if (!action) return false; // left to the control (paste, undo, select all)
        if (!action->button.isEmpty())
            pressButton(action->button);
        else
            insertText(action->text);
        return true;
    }
    if (mods & Qt::AltModifier) {
        const auto action = altKeyAction(key);
        // Other Alt combinations of a letter or digit do nothing (no text is typed with them).
        if (!action) return isTextKey(key);
        pressButton(action->button);
        return true;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (pcCalc->currentWidget() == tsMain) {
            ReturnClick();
            return true;
        }
        returnOnOtherTab(focused);
        return true;
    case Qt::Key_Escape:
        if (!m_evaluating && Edit1->text().isEmpty() && cbHistory->count() > 0) {
            Edit1->setText(cbHistory->itemText(0));
            Edit1->setModified(true);
            Edit1->selectAll();
            Edit1->setFocus();
        }
        return true;
    case Qt::Key_F1: openHelp(0); return true;
    default: startAssistant(1); return false;
    }
}

void TfmCalc::returnOnOtherTab(QWidget* focus) {
    const QString name = focus ? focus->objectName() : QString();
    if (focus && (focus == edName || focus == edValue)) {
        pressButton(QStringLiteral("btAdd"));
        return;
    }
    // A variable's formula edit ("edXVar", "edYvar", ...) calculates that variable.
    if (name.size() == 6 && name.startsWith(QLatin1String("ed")) &&
        name.endsWith(QLatin1String("ar"), Qt::CaseInsensitive)) {
        pressButton(QStringLiteral("bb%1eval").arg(name.at(2)));
        return;
    }
    if (focus == Edit1) ReturnClick();
}

void TfmCalc::pcCalcChange(int) {
    Panel1->hide();
    QWidget* page = pcCalc->currentWidget();
    if (page == tsMain) {
        if (Edit1->isEnabled()) Edit1->setFocus();
    } else if (page == tsTape) {
        if (btPrint->isEnabled()) btPrint->setFocus();
    } else if (page == tsConst) {
        if (edFind) edFind->setFocus();
    } else if (page == tsGraph) {
        m_graphics->tabShown();
        Panel1->show();
    } else if (page == tsVariables) {
        if (edXVar) edXVar->setFocus();
    }
}

void TfmCalc::resizeEntryLines(int delta) {
    for (QWidget* w : {static_cast<QWidget*>(cbResults), static_cast<QWidget*>(Edit2),
                       static_cast<QWidget*>(cbHistory), static_cast<QWidget*>(Edit1)}) {
        QFont f = w->font();
        // Below one point a font cannot be drawn; stop shrinking there.
        f.setPointSizeF(std::max(1.0, f.pointSizeF() + delta));
        w->setFont(f);
    }
    for (QComboBox* combo : {cbResults, cbHistory})
        combo->setMinimumHeight(std::max(combo->fontMetrics().height() + 4, combo->minimumHeight() + delta));
}

void TfmCalc::SpinButton1Up() {
    resizeEntryLines(1);
}
void TfmCalc::SpinButton1Down() {
    resizeEntryLines(-1);
}

void TfmCalc::chHintClick(bool checked) {
    setSpeedButtonHints(checked);
    if (isVisible()) Edit1->setFocus();
}

void TfmCalc::chAssistantClick(bool checked) {
    pnAssistant->setVisible(checked);
    m_helpRow = -1;
    pnAssistant->clear();
    Edit1->setFocus();
}

void TfmCalc::openHelp(int topic) {
    if (m_helpHandler) m_helpHandler(this, topic);
}

} // namespace brelt::workspace
