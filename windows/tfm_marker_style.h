#pragma once
// TfmMarkerStyle: the marker dialog. It shows the 49 marker symbols as a checkable list with a
// preview, the marker size ("Size of Marker", 1 to 100) and the fill and pen colours of one series
// or of several chosen together; every change goes to each of them at once and the chart repaints.
// While the dialog fills its controls, their change signals are ignored.
#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;

namespace brelt::chart {
class TGraph;
class TSeries;
} // namespace brelt::chart

namespace brelt::windows {

class TfmMarkerStyle : public QDialog {
    Q_OBJECT
public:
    // The first series gives the controls their values.
    TfmMarkerStyle(chart::TGraph& graph, std::vector<chart::TSeries*> series, QWidget* parent = nullptr);

    void lbMarkersItemChanged(QListWidgetItem* item);
    void edSizeChange(int size);
    void btFillClick();
    void btPenClick();

private:
    void load();
    void updatePreview();
    template <typename Change> void applyToAll(Change change);

    chart::TGraph& m_graph;
    std::vector<chart::TSeries*> m_series;
    bool m_loading = false;

    QListWidget* lbMarkers = nullptr;
    QLabel* imPreview = nullptr;
    QSpinBox* edSize = nullptr;
    QPushButton* btFill = nullptr;
    QPushButton* btPen = nullptr;
    QPushButton* btClose = nullptr;
};

} // namespace brelt::windows
