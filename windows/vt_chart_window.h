#pragma once
// TVtChartWindow: what the polar and surface windows share. A main window whose client is the
// chart control `Chart`, with a toolbar of speed buttons, a main menu, the pop-up menu
// `PopupSave` and a status bar. It prints, saves the picture (as BMP or PNG, or as SVG or PDF,
// written straight to the file: the clipboard stays as the user had it), copies, pastes, shows
// the legend, opens the control's data editor, property pages and wizard, and keeps its placement
// in the settings under its own name. Created once and hidden, not destroyed, when closed.
//
// Every control carries its name as objectName (sbPrint, miPrint, ...), so tests find it by name.
#include "chart/vtchart/vt_chart.h"

#include <QMainWindow>

#include <functional>

class QMenu;
class QToolBar;
class QToolButton;

namespace brelt::chart {
class SettingsStore;
}

namespace brelt::windows {

struct TabulationOutcome;

class TVtChartWindow : public QMainWindow {
    Q_OBJECT
public:
    // `settings` (not owned, may be null) holds the placement and the window's own keys.
    TVtChartWindow(chart::SettingsStore* settings, QWidget* parent = nullptr);

    chart::TVtChart& Chart() { return *m_chart; }

    // The status bar's text after a tabulation: how many points failed, if any.
    void showOutcome(const TabulationOutcome& outcome);
    QString statusText() const;

    // Handlers.
    void sbPrintClick();
    void sbSaveClick();
    void SaveAsBitmapClick(); // "Save as BMP/PNG..."
    void SaveAsVectorClick(); // "Save as SVG/PDF..."
    void sbLegendClick();
    void sbCopyClick();
    void sbPasteClick();
    void sbEditDataClick();
    void sbHorizGridClick();
    void PrinterSetupClick();
    void ChartPropertiesClick();
    void WisardClick();

    // Called once the settings were written at closing (the owner writes its file then).
    std::function<void()> settingsWritten;

signals:
    // The window was shown (the main window enables its "Show plots" entries then).
    void shown();

protected:
    // Builds the common toolbar buttons and menus; the windows add their own around them.
    QToolButton* addSpeedButton(const char* name, const char* icon, const QString& hint,
                                const std::function<void()>& handler);
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                         const std::function<void()>& handler, const QKeySequence& shortcut = {});
    // The captions that differ between the two windows.
    struct Captions {
        QString printSetup;
        QString saveBitmap;
        QString saveVector;
        QString grid;
        QString gridHint;
        QString editDataHint;
        QString properties;
    };
    void buildCommon(const Captions& captions);
    // Switches the major grid of two axes: a drawn grid goes, a missing one comes.
    void switchGrids(int axisA, int axisB);
    // Reads the placement; the windows call it at the end of their creation.
    void loadPlacement();
    // Writes the placement and calls writeOwnSettings.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    virtual void writeOwnSettings(chart::SettingsStore&) {}

    chart::SettingsStore* settings() { return m_settings; }
    QToolBar* toolBar() { return m_toolBar; }
    QMenu* fileMenu() { return m_fileMenu; }
    QMenu* chartMenu() { return m_chartMenu; }

private:
    void savePicture(bool vector);

    chart::SettingsStore* m_settings;
    chart::TVtChart* m_chart;
    QToolBar* m_toolBar;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_chartMenu = nullptr;
    QMenu* m_popupSave = nullptr;
};

// The icon of a speed button, drawn from Brelt's own SVG (":/windows/icons/<name>.svg").
QIcon vtWindowIcon(const char* name);

} // namespace brelt::windows
