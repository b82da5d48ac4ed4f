#pragma once
// TPlotWindow: what the 2D plot window and the contour plot window share. A chart (`Chart`) under a
// toolbar of flat buttons, a menu bar, the handlers of the fourteen buttons both windows have, the
// placement and chart settings read when the window is created and written when it closes, and the
// hooks through which the program connects the dialogs that live elsewhere (printing, data export
// and import, the chart properties). Each command is one action shared by its button (named as
// the button, "sbZoomIn") and its menu item ("miZoomIn"), so both are enabled and checked together.
// Closing only hides the window; it lives as long as the program.
#include "chart/view/plot.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QToolBar;
class QToolButton;

namespace brelt::chart {
class SettingsStore;
}

namespace brelt::windows {

// The dialogs that other parts of the program supply. Each gets the chart and the window (the
// dialog's parent). A command whose hook is unset keeps its button and menu item, disabled; only
// printing has a fallback (the chart's own printer set-up).
struct PlotWindowHooks {
    std::function<void(chart::TPlot&, QWidget*)> print;
    std::function<void(chart::TPlot&, QWidget*)> exportData;
    // True when the chart received data (it is then redrawn).
    std::function<bool(chart::TPlot&, QWidget*)> importData;
    std::function<void(chart::TPlot&, QWidget*)> properties;
};

// Opens the settings file for one reading or one writing; the store writes its changes when the
// last reference to it goes. May return nullptr (nothing is read or written then).
using SettingsOpener = std::function<std::shared_ptr<chart::SettingsStore>()>;

class TPlotWindow : public QMainWindow {
    Q_OBJECT
public:
    ~TPlotWindow() override;

    chart::TPlot& Chart() { return *m_chart; }
    void setHooks(PlotWindowHooks hooks);
    // True once the window has been shown.
    bool wasShown() const { return m_shown; }
    // The frame width in force before the 3D view was last switched on (0 until then).
    int rememberedFrameWidth() const { return m_frameWidth; }

    // Handlers of the shared commands.
    void sbPrintClick();
    void sbSaveAsClick();
    void sbZoomInClick();
    void sbZoomOutClick();
    void sbZoomAnimeClick();
    void sbZoomPrevClick();
    void sbPropClick();
    virtual void sbLegendClick();
    virtual void sbVertGridClick();
    virtual void sbHorizGridClick();
    void sb3DClick();
    void sbCopyToClipboardClick();
    void sbExportClick();
    void sbImportClick();

signals:
    // Each time the window is shown (the calculator enables its "Show plots" button and item).
    void shown();

protected:
    // `name` is the objectName (the settings section of the placement), `caption` the title.
    TPlotWindow(const QString& name, const QString& caption, SettingsOpener settings, QWidget* parent);

    // The action of a shared command by its button's name ("sbZoomOut"); nullptr when unknown.
    QAction* command(const QString& buttonName) const;
    QToolBar* toolBar() const { return m_toolBar; }
    // "&Undo" (Ctrl+Z): a window with an Edit menu of its own ("Edit1") puts it there.
    QAction* undoAction() const { return m_undo; }
    // Adds a flat button for `action` to the toolbar, named `buttonName`.
    QToolButton* addToolButton(QAction* action, const QString& buttonName);
    // An action with its menu caption, hint and icon, named `menuName`.
    QAction* makeAction(const QString& menuName, const QString& caption, const QString& hint,
                        const QString& icon);

    // The "&Zoom" and "&View" menus of the shared commands, added to the menu bar.
    void addZoomAndViewMenus();

    // A text-only action that does what `command` does and is enabled with it (the menu bar shows
    // an action's icon instead of its caption).
    QAction* textTwin(QAction* command, const QString& name);

    // Creation: the placement from the window's section, then the chart settings; the check marks
    // then follow the chart.
    void FormCreate();
    // The check marks of the switches as the chart now stands.
    virtual void syncSwitches();
    void setZoomBackEnabled(bool enabled);

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildCommands();
    void updateHookedCommands();
    // "&Undo" (Ctrl+Z) on the chart's undo store, enabled while a step can be undone; the Edit menu
    // that holds it goes after the File menu when the window is created.
    void buildUndo();
    void addEditMenu();

    chart::TPlot* m_chart = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_undo = nullptr;
    SettingsOpener m_settings;
    PlotWindowHooks m_hooks;
    bool m_shown = false;
    int m_frameWidth = 0;
};

} // namespace brelt::windows
