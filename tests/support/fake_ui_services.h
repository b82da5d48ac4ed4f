#pragma once
// A UiServices for tests: answers from queues filled by the test, records every box it was shown
// with its exact text, and installs itself for its lifetime. An unexpected question (empty queue)
// is answered No/Cancel and recorded, so the test can assert on it instead of hanging.
#include "chart/view/ui_services.h"

#include <QPrinter>
#include <QStringList>

#include <deque>
#include <vector>

namespace brelt::testing {

struct ShownBox {
    QString title;
    QString text;
    chart::MessageKind kind;
    unsigned buttons;
    QWidget* parent = nullptr; // the window the box belongs to (it is centred on it)
};

class FakeUiServices final : public chart::UiServices {
public:
    FakeUiServices() { chart::setUiServices(this); }
    ~FakeUiServices() override { chart::setUiServices(nullptr); }

    std::vector<ShownBox> boxes;         // every box asked, in order
    std::deque<chart::Answer> answers;   // next answers to ask()
    std::deque<QString> fileNames;       // next answers to openFile/saveFile ("" = cancel)
    std::deque<QString> selectedFilters; // filters reported with the file names
    std::vector<chart::FileDialogRequest> fileRequests;
    std::deque<QColor> colors;
    std::deque<QFont> fonts;
    bool printerAccepted = true;
    QString printerOutputFile; // chosen as "Print to file" when the print dialog is accepted
    int printerDialogs = 0;
    std::vector<QUrl> openedUrls;
    bool openUrlResult = true;

    QStringList texts() const {
        QStringList list;
        for (const auto& box : boxes)
            list << box.text;
        return list;
    }

    chart::Answer ask(QWidget* parent, const QString& title, const QString& text, chart::MessageKind kind,
                      unsigned buttons) override {
        boxes.push_back({title, text, kind, buttons, parent});
        if (!answers.empty()) {
            const chart::Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (buttons == chart::ButtonOk) return chart::Answer::Ok;
        return (buttons & chart::ButtonCancel) ? chart::Answer::Cancel : chart::Answer::No;
    }

    chart::FileDialogResult openFile(QWidget*, const chart::FileDialogRequest& request) override {
        return nextFile(request);
    }
    chart::FileDialogResult saveFile(QWidget*, const chart::FileDialogRequest& request) override {
        return nextFile(request);
    }

    std::optional<QColor> chooseColor(QWidget*, const QColor&, const QString&) override {
        if (colors.empty()) return std::nullopt;
        QColor color = colors.front();
        colors.pop_front();
        return color;
    }

    std::optional<QFont> chooseFont(QWidget*, const QFont&, const QString&) override {
        if (fonts.empty()) return std::nullopt;
        QFont font = fonts.front();
        fonts.pop_front();
        return font;
    }

    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerDialogs;
        if (printerAccepted && !printerOutputFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printerOutputFile);
        }
        return printerAccepted;
    }

    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return openUrlResult;
    }

private:
    chart::FileDialogResult nextFile(const chart::FileDialogRequest& request) {
        fileRequests.push_back(request);
        chart::FileDialogResult result;
        if (!fileNames.empty()) {
            result.fileName = fileNames.front();
            fileNames.pop_front();
        }
        if (!selectedFilters.empty()) {
            result.selectedFilter = selectedFilters.front();
            selectedFilters.pop_front();
        }
        return result;
    }
};

} // namespace brelt::testing
