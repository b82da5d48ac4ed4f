// TfmCalc: the assistant panel (help for the function at the cursor, the greeting) and the About
// tab's mail button.
#include "workspace/rescu.h"

#include "chart/view/ui_services.h"
#include "workspace/assistant_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>

namespace brelt::workspace {

namespace {

const char kContactAddress[] = "brelt-team@example.org";

} // namespace

void TfmCalc::startAssistant(int mode) {
    m_timerMode = mode;
    Timer1->start();
}

void TfmCalc::Timer1Timer() {
    Timer1->stop();
    if (m_timerMode == 2) {
        showGreeting(m_lastGreeting);
        m_timerMode = 1;
        return;
    }
    if (!chAssistant->isChecked()) return;
    const QString word = wordAtCursor(Edit1->text(), Edit1->cursorPosition());
    const int row = findCatalogueEntry(word, [this](int i) { return m_engine.functionName(i); });
    if (row >= 0) showHelpEntry(row);
}

void TfmCalc::showHelpEntry(int row) {
    m_helpRow = row;
    if (Edit1->text().isEmpty()) {
        pnAssistant->clear();
        pnAssistant->setFixedWidth(0);
        return;
    }
    const bool degrees = rgAngle->checkedId() != 0;
    showAssistantText(helpWithAngleUnit(m_engine.helpText(row), degrees));
}

void TfmCalc::showAssistantText(const QString& text) {
    // Measured in the panel's own font, so the text is never clipped at any scale.
    const int width = pnAssistant->fontMetrics().horizontalAdvance(text + QStringLiteral("     "));
    pnAssistant->setFixedWidth(width);
    pnAssistant->setText(QLatin1Char(' ') + text + QLatin1Char(' '));
}

void TfmCalc::showGreeting(const QDateTime& when) {
    const double dayFraction = when.time().msecsSinceStartOfDay() / 86400000.0;
    showAssistantText(greetingText(dayFraction, userFirstName()));
}

void TfmCalc::BitBtn6Click() {
    QUrl url(QStringLiteral("mailto:") + QLatin1String(kContactAddress));
    url.setQuery(QStringLiteral("subject=Brelt98 version 4.1"));
    if (!chart::uiServices().openUrl(url))
        chart::uiServices().message(this, QStringLiteral("Brelt"), QStringLiteral("Can't find mail routine"),
                                    chart::MessageKind::Warning);
}

} // namespace brelt::workspace
