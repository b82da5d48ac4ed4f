#pragma once
// Every modal box and common dialog of Brelt goes through this one small layer: message boxes,
// questions, file, colour, font and print dialogs, and opening things through the desktop. The
// program uses the Qt implementation; a test installs a fake that answers at once and records the
// exact texts it was shown, so every handler can run headless.
#include <QColor>
#include <QFont>
#include <QString>
#include <QUrl>

#include <optional>

class QWidget;
class QPrinter;

namespace brelt::chart {

enum class MessageKind { Information, Warning, Error, Question };

enum class Answer { Ok, Cancel, Yes, No };

// Buttons offered by ask(): a combination of these bits.
enum Button : unsigned { ButtonOk = 1, ButtonCancel = 2, ButtonYes = 4, ButtonNo = 8 };

struct FileDialogRequest {
    QString title;
    QString filters;       // Qt form: "Text files (*.TXT);;All files (*)"
    QString defaultSuffix; // added when the user types a name without extension, e.g. "TXT"
    QString directory;     // starting folder, may be empty
    QString fileName;      // proposed name, may be empty
    bool overwritePrompt = true;
};

struct FileDialogResult {
    QString fileName;       // empty when cancelled
    QString selectedFilter; // the filter the user chose, as given in `filters`
};

class UiServices {
public:
    virtual ~UiServices() = default;

    // A modal box with the given buttons; returns the button pressed (Cancel or No when closed).
    virtual Answer ask(QWidget* parent, const QString& title, const QString& text, MessageKind kind,
                       unsigned buttons) = 0;
    virtual FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial,
                                              const QString& title) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QString& title) = 0;
    // The print dialog for an already configured printer; false when cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Opens a URL (mailto:, file:) with the desktop's handler, never through a shell.
    virtual bool openUrl(const QUrl& url) = 0;

    // The common one-button box.
    void message(QWidget* parent, const QString& title, const QString& text,
                 MessageKind kind = MessageKind::Information) {
        ask(parent, title, text, kind, ButtonOk);
    }
    bool confirm(QWidget* parent, const QString& title, const QString& text) {
        return ask(parent, title, text, MessageKind::Question, ButtonYes | ButtonNo) == Answer::Yes;
    }
};

// The services in force: the Qt implementation unless a test installed its own.
UiServices& uiServices();
// Installs `services` (not owned); nullptr restores the Qt implementation.
void setUiServices(UiServices* services);

} // namespace brelt::chart
