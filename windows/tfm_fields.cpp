#include "windows/tfm_fields.h"

#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelt::windows {

TfmFields::TfmFields(std::vector<chart::InputField> inputs, QWidget* parent)
    : QDialog(parent), m_links(std::move(inputs)) {
    setObjectName(QStringLiteral("fmFields"));
    setWindowTitle(QStringLiteral("Links Fields"));
    lbRequired = named(new QListWidget, "lbRequired");
    lbRequired->addItems(chart::FieldLinks::requiredFields());
    lbInput = named(new QListWidget, "lbInput");
    for (const chart::InputField& f : m_links.inputs())
        lbInput->addItem(f.name);
    lbLinks = named(new QListWidget, "lbLinks");
    btLink = named(new QPushButton(QStringLiteral("&Link")), "btLink");
    bbOK = named(new QPushButton(QStringLiteral("&OK")), "bbOK");
    bbCancel = named(new QPushButton(QStringLiteral("Cancel")), "bbCancel");
    bbOK->setDefault(true);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Required Fields")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Input Fields")), 0, 2);
    lists->addWidget(lbRequired, 1, 0);
    lists->addWidget(btLink, 1, 1, Qt::AlignCenter);
    lists->addWidget(lbInput, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    auto* root = new QVBoxLayout(this);
    root->addLayout(lists);
    root->addWidget(new QLabel(QStringLiteral("Links")));
    root->addWidget(lbLinks);
    root->addLayout(buttons);

    connect(btLink, &QPushButton::clicked, this, &TfmFields::btLinkClick);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmFields::btLinkClick() {
    const int required =
        lbRequired->currentItem() && lbRequired->currentItem()->isSelected() ? lbRequired->currentRow() : -1;
    const int input =
        lbInput->currentItem() && lbInput->currentItem()->isSelected() ? lbInput->currentRow() : -1;
    if (!m_links.link(required, input)) {
        chart::uiServices().message(this, kBoxTitle, QStringLiteral("Select both fields"),
                                    chart::MessageKind::Warning);
        return;
    }
    lbLinks->clear();
    lbLinks->addItems(m_links.lines());
}

} // namespace brelt::windows
