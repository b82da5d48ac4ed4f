#include "chart/view/note_dialog.h"

#include "chart/view/ui_services.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace brelt::chart {

namespace {
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

TfmNote::TfmNote(const TAnnotation& note, bool isNew, QWidget* parent) : QDialog(parent), m_note(note) {
    setObjectName(QStringLiteral("fmNote"));
    const bool text = note.kind == NoteKind::Text;
    setWindowTitle(text ? (isNew ? QStringLiteral("Add text") : QStringLiteral("Edit text"))
                        : QStringLiteral("Edit arrow"));
    auto* form = new QFormLayout;
    edNoteText = named(new QLineEdit(note.text), "edNoteText");
    edNoteText->setMinimumWidth(260);
    edNoteAngle = named(new QDoubleSpinBox, "edNoteAngle");
    edNoteAngle->setRange(-180, 180);
    edNoteAngle->setDecimals(1);
    edNoteAngle->setSuffix(QStringLiteral("\u00B0"));
    edNoteAngle->setValue(note.angle);
    chNoteFrame = named(new QCheckBox(QStringLiteral("Frame")), "chNoteFrame");
    chNoteFrame->setChecked(note.frame);
    udNoteWidth = named(new QSpinBox, "udNoteWidth");
    udNoteWidth->setRange(1, 20);
    udNoteWidth->setValue(std::clamp(note.width, 1, 20));
    btNoteFont = named(new QPushButton(QStringLiteral("Font...")), "btNoteFont");
    btNoteColor = named(new QPushButton(QStringLiteral("Color...")), "btNoteColor");
    if (text) {
        form->addRow(QStringLiteral("Text"), edNoteText);
        form->addRow(QStringLiteral("Angle"), edNoteAngle);
        form->addRow(chNoteFrame);
    } else {
        form->addRow(QStringLiteral("Width"), udNoteWidth);
    }
    edNoteText->setVisible(text);
    edNoteAngle->setVisible(text);
    chNoteFrame->setVisible(text);
    udNoteWidth->setVisible(!text);
    btNoteFont->setVisible(text);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btNoteFont);
    buttons->addWidget(btNoteColor);
    buttons->addStretch();
    form->addRow(buttons);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(box);
    setLayout(form);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btNoteFont, &QPushButton::clicked, this, &TfmNote::btNoteFontClick);
    connect(btNoteColor, &QPushButton::clicked, this, &TfmNote::btNoteColorClick);
}

TAnnotation TfmNote::note() const {
    TAnnotation n = m_note;
    n.text = edNoteText->text();
    n.angle = edNoteAngle->value();
    n.frame = chNoteFrame->isChecked();
    n.width = udNoteWidth->value();
    return settledNote(n);
}

void TfmNote::btNoteFontClick() {
    const auto chosen = uiServices().chooseFont(this, m_note.font.toQFont(), QStringLiteral("Font"));
    if (!chosen) return;
    m_note.font.name = chosen->family();
    if (chosen->pointSize() > 0) m_note.font.size = chosen->pointSize();
    m_note.font.bold = chosen->bold();
    m_note.font.italic = chosen->italic();
    m_note.font.underline = chosen->underline();
    m_note.font.strikeOut = chosen->strikeOut();
}

void TfmNote::btNoteColorClick() {
    if (const auto color = uiServices().chooseColor(this, toQColor(m_note.color), QStringLiteral("Color")))
        m_note.color = fromQColor(*color);
}

bool editNoteInDialog(QWidget* parent, TAnnotation& note, bool isNew) {
    TfmNote dialog(note, isNew, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    note = dialog.note();
    return true;
}

} // namespace brelt::chart
