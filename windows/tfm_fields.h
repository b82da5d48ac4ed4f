#pragma once
// TfmFields, "Links Fields": links the required fields X and Y to the fields of a pasted header.
// The user selects one required and one input field and presses "Link"; the link list shows
// "X   <--Copy---   Time" for each linked field. OK accepts the links.
#include "chart/io/import_text.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace brelt::windows {

class TfmFields : public QDialog {
    Q_OBJECT
public:
    explicit TfmFields(std::vector<chart::InputField> inputs, QWidget* parent = nullptr);

    const chart::FieldLinks& links() const { return m_links; }
    void btLinkClick();

private:
    chart::FieldLinks m_links;
    QListWidget* lbRequired = nullptr;
    QListWidget* lbInput = nullptr;
    QListWidget* lbLinks = nullptr;
    QPushButton* btLink = nullptr;
    QPushButton* bbOK = nullptr;
    QPushButton* bbCancel = nullptr;
};

} // namespace brelt::windows
