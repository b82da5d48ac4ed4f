#pragma once
// TfmFileData, "Show data": shows a whole ASCII file and asks which columns hold X and Y (whole
// numbers 1 to 1000) and which characters separate the columns ("Space", "Comma", "Tab", "Slash",
// "Null" and up to six characters of the user's own). OK checks the columns and the user
// characters; nothing is loaded after a refusal.
#include "chart/io/import_text.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace brelt::windows {

class TfmFileData : public QDialog {
    Q_OBJECT
public:
    TfmFileData(const QString& fileText, QWidget* parent = nullptr);

    // Valid after OK.
    int xColumn() const { return m_x; }
    int yColumn() const { return m_y; }
    const chart::SeparatorTable& table() const { return m_table; }

    void bbOKClick();
    void chUserClick(bool on);

private:
    int m_x = 1;
    int m_y = 2;
    chart::SeparatorTable m_table;

    QPlainTextEdit* mmData = nullptr;
    QLineEdit* edXColumn = nullptr;
    QLineEdit* edYColumn = nullptr;
    QCheckBox* chSpace = nullptr;
    QCheckBox* chComma = nullptr;
    QCheckBox* chTab = nullptr;
    QCheckBox* chSlash = nullptr;
    QCheckBox* chNull = nullptr;
    QCheckBox* chUser = nullptr;
    QLineEdit* edUser = nullptr;
    QPushButton* bbOK = nullptr;
    QPushButton* bbCancel = nullptr;
};

} // namespace brelt::windows
