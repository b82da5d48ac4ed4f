#include "chart/view/ui_services.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace brelt::chart {
namespace {

class QtUiServices final : public UiServices {
public:
    Answer ask(QWidget* parent, const QString& title, const QString& text, MessageKind kind,
               unsigned buttons) override {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        switch (kind) {
        case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
        case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageKind::Question: box.setIcon(QMessageBox::Question); break;
        }
        QMessageBox::StandardButtons standard;
        if (buttons & ButtonOk) standard |= QMessageBox::Ok;
        if (buttons & ButtonCancel) standard |= QMessageBox::Cancel;
        if (buttons & ButtonYes) standard |= QMessageBox::Yes;
        if (buttons & ButtonNo) standard |= QMessageBox::No;
        if (!standard) standard = QMessageBox::Ok;
        box.setStandardButtons(standard);
        switch (box.exec()) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return (buttons & ButtonCancel) || !(buttons & ButtonNo) ? Answer::Cancel : Answer::No;
        }
    }

    FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) override {
        return run(parent, request, QFileDialog::AcceptOpen);
    }

    FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) override {
        return run(parent, request, QFileDialog::AcceptSave);
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial, const QString& title) override {
        const QColor color = QColorDialog::getColor(initial, parent, title);
        if (!color.isValid()) return std::nullopt;
        return color;
    }

    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QString& title) override {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, title);
        if (!ok) return std::nullopt;
        return font;
    }

    bool setUpPrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

private:
    static FileDialogResult run(QWidget* parent, const FileDialogRequest& request,
                                QFileDialog::AcceptMode mode) {
        QFileDialog dialog(parent, request.title, request.directory, request.filters);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
    }
};

QtUiServices& qtServices() {
    static QtUiServices services;
    return services;
}

UiServices* g_current = nullptr;

} // namespace

UiServices& uiServices() {
    return g_current ? *g_current : qtServices();
}

void setUiServices(UiServices* services) {
    g_current = services;
}

} // namespace brelt::chart
