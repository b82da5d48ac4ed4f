#include "windows/tfm_file_data.h"

#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelt::windows {

namespace {

std::optional<int> columnNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const QChar c : t)
        if (!c.isDigit()) return std::nullopt;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < 1 || v > 1000) return std::nullopt;
    return v;
}

} // namespace

TfmFileData::TfmFileData(const QString& fileText, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fmFileData"));
    setWindowTitle(QStringLiteral("Show data"));
    mmData = named(new QPlainTextEdit, "mmData");
    mmData->setReadOnly(true);
    mmData->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmData->setPlainText(fileText);
    edXColumn = named(new QLineEdit(QStringLiteral("1")), "edXColumn");
    edYColumn = named(new QLineEdit(QStringLiteral("2")), "edYColumn");
    chSpace = named(new QCheckBox(QStringLiteral("Space")), "chSpace");
    chComma = named(new QCheckBox(QStringLiteral("Comma")), "chComma");
    chTab = named(new QCheckBox(QStringLiteral("Tab")), "chTab");
    chSlash = named(new QCheckBox(QStringLiteral("Slash")), "chSlash");
    chNull = named(new QCheckBox(QStringLiteral("Null")), "chNull");
    chUser = named(new QCheckBox(QStringLiteral("User define")), "chUser");
    edUser = named(new QLineEdit(QStringLiteral("(none)")), "edUser");
    edUser->setEnabled(false);
    const chart::DelimiterBoxes defaults;
    chSpace->setChecked(defaults.space);
    chComma->setChecked(defaults.comma);
    chTab->setChecked(defaults.tab);
    bbOK = named(new QPushButton(QStringLiteral("&OK")), "bbOK");
    bbCancel = named(new QPushButton(QStringLiteral("Cancel")), "bbCancel");
    bbOK->setDefault(true);

    auto* columns = new QGridLayout;
    columns->addWidget(new QLabel(QStringLiteral("X column")), 0, 0);
    columns->addWidget(edXColumn, 0, 1);
    columns->addWidget(new QLabel(QStringLiteral("Y column")), 1, 0);
    columns->addWidget(edYColumn, 1, 1);
    auto* delimiters = new QGroupBox(QStringLiteral("Delimiters"));
    auto* boxes = new QVBoxLayout(delimiters);
    for (QWidget* w :
         {static_cast<QWidget*>(chSpace), static_cast<QWidget*>(chComma), static_cast<QWidget*>(chTab),
          static_cast<QWidget*>(chSlash), static_cast<QWidget*>(chNull), static_cast<QWidget*>(chUser),
          static_cast<QWidget*>(edUser)})
        boxes->addWidget(w);
    auto* side = new QVBoxLayout;
    side->addLayout(columns);
    side->addWidget(delimiters);
    side->addStretch();
    side->addWidget(bbOK);
    side->addWidget(bbCancel);
    auto* root = new QHBoxLayout(this);
    root->addWidget(mmData, 1);
    root->addLayout(side);
    resize(720, 480);

    connect(chUser, &QCheckBox::toggled, this, &TfmFileData::chUserClick);
    connect(bbOK, &QPushButton::clicked, this, &TfmFileData::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmFileData::chUserClick(bool on) {
    edUser->setEnabled(on);
    edUser->setText(on ? QString() : QStringLiteral("(none)"));
    if (on) edUser->setFocus();
}

void TfmFileData::bbOKClick() {
    const auto x = columnNumber(edXColumn->text());
    const auto y = columnNumber(edYColumn->text());
    if (!x || !y) {
        chart::uiServices().message(this, kBoxTitle,
                                    x ? QStringLiteral("Column for Y undefined")
                                      : QStringLiteral("Column for X undefined"),
                                    chart::MessageKind::Error);
        (x ? edYColumn : edXColumn)->setFocus();
        return;
    }
    chart::DelimiterBoxes boxes;
    boxes.space = chSpace->isChecked();
    boxes.comma = chComma->isChecked();
    boxes.tab = chTab->isChecked();
    boxes.slash = chSlash->isChecked();
    boxes.null = chNull->isChecked();
    boxes.user = chUser->isChecked();
    boxes.userCharacters = edUser->text();
    const auto table = chart::separatorTableFrom(boxes);
    if (!table) {
        chart::uiServices().message(this, kBoxTitle, chart::kTooManyUserCharacters,
                                    chart::MessageKind::Error);
        edUser->setFocus();
        return;
    }
    m_x = *x;
    m_y = *y;
    m_table = *table;
    accept();
}

} // namespace brelt::windows
