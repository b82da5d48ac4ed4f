#pragma once
// TPrintDlg ("Print"): the page margins and their unit, which label blocks print under the chart,
// the editing of the company and project blocks, printer set-up, the preview and printing. It
// prints any page content (the chart engine's Draw, or another control's drawing) through the
// printed-page path of print_page.h. Page settings come from the settings store when the dialog
// opens; they are written back when it closes only if it printed a page, and the label choices
// after every print. Writes go to the store; a file-backed store is flushed by its owner.
#include "chart/view/label_blocks.h"
#include "chart/view/print_layout.h"
#include "chart/view/print_page.h"

#include <QDialog>
#include <QPrinter>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace brelt::chart {

class SettingsStore;
class TGraph;

// What a print dialog prints, and what follows each printed page (the chart redraws on screen).
struct PrintSource {
    PagePainter paint;
    std::function<void()> afterPrint;
};

class TPrintDlg : public QDialog {
    Q_OBJECT
public:
    TPrintDlg(PrintSource source, SettingsStore& store, QWidget* parent = nullptr);
    ~TPrintDlg() override;

    // Handlers of the controls.
    void rgUnitsClick();
    void btSetupClick();
    void btPreviewClick();
    void btSaveClick();
    void btPrintClick();
    void cbLogoTypeChange();
    void btFontClick();
    void btBrowseClick();
    void btDeleteClick();

    // The settings as the controls stand (margins in millimetres).
    PageSettings pageSettings() const { return m_page; }
    void setPageSettings(const PageSettings& settings);
    const LabelBlockSet& labelBlocks() const { return m_blocks; }
    bool logoChanged() const { return m_logoChanged; }
    bool pagePrinted() const { return m_printed; }
    QPrinter& printer() { return m_printer; }
    // The System LOGO shows this date (today unless set).
    void setPrintDate(const QDate& date) { m_blocks.system = systemLogoBlock(date); }

    void done(int result) override;

private:
    void buildLayoutPage(QWidget* page);
    void buildLabelsPage(QWidget* page);
    void marginEdited(int index);
    void choicesEdited();
    void blockEdited();
    void showBlock();
    void showPrinter();
    TLabelBlock& editedBlock();
    bool askToSaveLogo();
    // Prints one page now (the question already asked); used by "&Print" and by the preview.
    void printNow();

    PrintSource m_source;
    SettingsStore& m_store;
    PageSettings m_page;
    LabelBlockSet m_blocks;
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_logoChanged = false;
    bool m_printed = false;
    bool m_showing = false; // controls being filled: their change signals are not edits

    QTabWidget* pcPrint = nullptr;
    QSpinBox* edLeft = nullptr;
    QSpinBox* edRight = nullptr;
    QSpinBox* edTop = nullptr;
    QSpinBox* edBottom = nullptr;
    QButtonGroup* rgUnits = nullptr;
    QLabel* unitLabels[4] = {};
    QCheckBox* chComment = nullptr;
    QCheckBox* chOwner = nullptr;
    QCheckBox* chProject = nullptr;
    QCheckBox* chBorders = nullptr;
    QPlainTextEdit* mmComment = nullptr;
    QLabel* lbPrinter = nullptr;
    QComboBox* cbLogoType = nullptr;
    QComboBox* cbJustify = nullptr;
    QLabel* lbFont = nullptr;
    QPlainTextEdit* mmLogo = nullptr;
    QLabel* lbPicture = nullptr;
};

// The chart's Print: the dialog on `graph`, the chart redrawn on screen after each page.
void printChart(TGraph& graph, QWidget* parent, SettingsStore& store);
// The same for any drawing that paints itself into a rectangle of a painter.
void printDrawing(const std::function<void(QPainter&, const QRect&)>& draw, QWidget* parent,
                  SettingsStore& store);

} // namespace brelt::chart
