#pragma once
// The Constants tab (`tsConst`): the catalogue "Brelt.CON" in `lbConst` (sorted), a find field
// `edFind` that selects the first constant whose name begins with what was typed, paste of the
// selected constant's value into the input line (click, or "&Paste"), "&Edit" to open the
// catalogue in a text editor and "&Reload" to read it again afterwards.
//
// Wiring (the main window):
//   auto* page = new ConstantsPage(paths.constants(), [this](const QString& t) { insertText(t); });
//   FormCreate: page->loadAtStartup() instead of filling `lbConst` itself;
//   opening the tab focuses `edFind` (the page does it when shown); setHelpHandler for topic 8.
#include <QStringList>
#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace brelt::workspace {

class ConstantsPage : public QWidget {
    Q_OBJECT
public:
    ConstantsPage(QString cataloguePath, std::function<void(const QString&)> insertText,
                  QWidget* parent = nullptr);

    // Start-up: loads the catalogue; a missing one is reported as "File <…Brelt.CON> not found.".
    bool loadAtStartup();

    void edFindChange();
    void lbConstClick();
    void bbPasteClick();
    void bbEditClick();
    void bbReloadClick();

    void setHelpHandler(std::function<void(int topic)> handler) { m_help = std::move(handler); }
    // Starts a program without waiting (tests record instead); default QProcess::startDetached.
    void setLauncher(std::function<bool(const QString&, const QStringList&)> launcher) {
        m_launch = std::move(launcher);
    }

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool load(const QString& missingSuffix);
    void fillList();

    QString m_path;
    std::function<void(const QString&)> m_insertText;
    std::function<void(int)> m_help;
    std::function<bool(const QString&, const QStringList&)> m_launch;
    QStringList m_lines;
    QLineEdit* edFind = nullptr;
    QListWidget* lbConst = nullptr;
    QPushButton* bbReload = nullptr;
};

} // namespace brelt::workspace
