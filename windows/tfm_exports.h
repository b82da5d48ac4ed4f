#pragma once
// TfmExports, "Export": writes one series of a chart as delimited text to the clipboard or to a text
// file. The preview (Memo1) shows exactly the lines that go out; it is rebuilt on a click in the
// series list, on every check box, on leaving or Enter in a column edit, on a change of delimiter
// and on leaving or Enter in the user delimiter. The series list shows the chart's series, the most
// recently added first; none is chosen at first.
#include "chart/io/export_text.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brelt::chart {
class TGraph;
class TSeries;
} // namespace brelt::chart

namespace brelt::windows {

class TfmExports : public QDialog {
    Q_OBJECT
public:
    explicit TfmExports(chart::TGraph& graph, QWidget* parent = nullptr);

    // The preview's lines.
    QStringList previewLines() const;

    void UpdateMemo(); // rebuilds the preview
    void rgDelimitersClick(int index);
    void edUserDefineExit();
    void btCopyClipboardClick();
    void btCopyFileClick();

private:
    chart::ExportSource sourceOf(const chart::TSeries& series) const;

    chart::TGraph& m_graph;
    std::vector<chart::TSeries*> m_series; // in list order
    QChar m_userDelimiter = QLatin1Char(' ');

    QListWidget* clSeries = nullptr;
    QCheckBox* chName = nullptr;
    QCheckBox* chTitle = nullptr;
    QCheckBox* chXAxis = nullptr;
    QCheckBox* chYAxis = nullptr;
    QCheckBox* chFoot = nullptr;
    QLineEdit* edXColumn = nullptr;
    QLineEdit* edYColumn = nullptr;
    QButtonGroup* rgDelimiters = nullptr;
    QLineEdit* edUserDefine = nullptr;
    QCheckBox* cbClearClipBoard = nullptr;
    QListWidget* Memo1 = nullptr;
    QPushButton* btCopyClipboard = nullptr;
    QPushButton* btCopyFile = nullptr;
    QPushButton* btClose = nullptr;
};

} // namespace brelt::windows
