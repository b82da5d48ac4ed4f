// The "Print" dialog and the "Print Preview" driven as a user drives them: the margins in both
// units, the settings written only after a page was printed, the unsaved-block question, the
// label block controls, no printer and no file, and the margin lines dragged with the mouse.
#include "chart/view/print_dialog.h"
#include "chart/view/print_preview.h"
#include "chart/view/settings_store.h"
#include "support/fake_ui_services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Drags from one point to another in a few steps, as a hand does.
void drag(QWidget* widget, QPoint from, QPoint to) {
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i)
        sendMouse(widget, QEvent::MouseMove, from + (to - from) * i / 4, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton);
    QCoreApplication::processEvents();
}

class PrintDialog : public ::testing::Test {
protected:
    TPrintDlg& open() {
        dialog = std::make_unique<TPrintDlg>(PrintSource{[this](QPainter& p, const QRect& area, OutputKind) {
                                                             ++drawn;
                                                             p.fillRect(area, Qt::blue);
                                                         },
                                                         {}},
                                             store);
        return *dialog;
    }
    template <typename T = QWidget> T* find(const char* name) {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::array<int, 4> margins() {
        return {find<QSpinBox>("edLeft")->value(), find<QSpinBox>("edRight")->value(),
                find<QSpinBox>("edTop")->value(), find<QSpinBox>("edBottom")->value()};
    }
    void click(const char* name) { find<QPushButton>(name)->click(); }
    // The printer prints into a file of the test's folder.
    QString printToFile() {
        const QString file = folder.filePath(QStringLiteral("page.pdf"));
        dialog->printer().setOutputFileName(file);
        return file;
    }

    brelt::testing::FakeUiServices ui;
    MemorySettingsStore store;
    QTemporaryDir folder;
    std::unique_ptr<TPrintDlg> dialog;
    int drawn = 0;
};

} // namespace

TEST_F(PrintDialog, OpensWithTheDefaultMarginsInMillimetres) {
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print"));
    EXPECT_EQ(margins(), (std::array{25, 20, 10, 10}));
    EXPECT_EQ(find<QButtonGroup>("rgUnits")->checkedId(), 0);
    auto* tabs = find<QTabWidget>("pcPrint");
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Page Layout"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Plot Labels"));
    EXPECT_EQ(find<QCheckBox>("chOwner")->text(), QStringLiteral("Company Logo"));
    EXPECT_EQ(find<QCheckBox>("chProject")->text(), QStringLiteral("Project Title"));
    EXPECT_EQ(find<QCheckBox>("chComment")->text(), QStringLiteral("Comment"));
    EXPECT_EQ(find<QCheckBox>("chBorders")->text(), QStringLiteral("Borders"));
    EXPECT_EQ(find<QLabel>("lbPicture")->text(), QStringLiteral("not selected"));
    EXPECT_EQ(find<QComboBox>("cbJustify")->itemText(2), QStringLiteral("Center"));
    EXPECT_EQ(find<QSpinBox>("edTop")->minimum(), 0);
}

TEST_F(PrintDialog, TenthsOfAnInchWhenTheUnitFactorIsBelowTen) {
    store.write(QStringLiteral("Print"), QStringLiteral("Units"), QStringLiteral("2.54"));
    open();
    EXPECT_EQ(margins(), (std::array{10, 8, 4, 4}));
    EXPECT_EQ(find<QButtonGroup>("rgUnits")->checkedId(), 1);
}

TEST_F(PrintDialog, SwitchingTheUnitConvertsTheEdits) {
    open();
    find<QButtonGroup>("rgUnits")->button(1)->click();
    EXPECT_EQ(margins(), (std::array{10, 8, 4, 4}));
    find<QSpinBox>("edLeft")->setValue(5); // half an inch: 12.7 mm, kept as 13
    EXPECT_EQ(dialog->pageSettings().left, 13);
    find<QButtonGroup>("rgUnits")->button(0)->click();
    EXPECT_EQ(margins(), (std::array{13, 20, 10, 10}));
    EXPECT_EQ(dialog->pageSettings().unit(), MarginUnit::Millimetres);
}

TEST_F(PrintDialog, PageSettingsAreWrittenOnlyAfterAPageWasPrinted) {
    open();
    find<QSpinBox>("edLeft")->setValue(30);
    click("btCancel");
    EXPECT_EQ(store.size(), 0);

    open();
    const QString file = printToFile();
    find<QSpinBox>("edLeft")->setValue(30);
    find<QCheckBox>("chProject")->setChecked(true);
    click("btPrint");
    EXPECT_TRUE(dialog->pagePrinted());
    EXPECT_EQ(drawn, 1);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(ui.boxes.empty());
    // The label choices at once, the page settings when the dialog closes.
    EXPECT_EQ(store.read(QStringLiteral("LOGO"), QStringLiteral("Project LOGO")), QStringLiteral("1"));
    EXPECT_FALSE(store.read(QStringLiteral("Print"), QStringLiteral("Left")));
    click("btCancel");
    EXPECT_EQ(store.read(QStringLiteral("Print"), QStringLiteral("Left")), QStringLiteral("30"));
    EXPECT_EQ(store.read(QStringLiteral("Print"), QStringLiteral("Units")), QStringLiteral("25.4"));
}

TEST_F(PrintDialog, AnUnsavedBlockIsOfferedForSavingBeforePrinting) {
    open();
    printToFile();
    find<QComboBox>("cbLogoType")->setCurrentIndex(1);
    find<QPlainTextEdit>("mmLogo")->setPlainText(QStringLiteral("Bridge survey\nSheet 4"));
    find<QComboBox>("cbJustify")->setCurrentIndex(1);
    EXPECT_TRUE(dialog->logoChanged());
    ui.answers.push_back(Answer::No);
    click("btPrint");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("New Logo not saved!\nSave?"));
    EXPECT_EQ(ui.boxes[0].buttons, unsigned(ButtonYes | ButtonNo));
    EXPECT_FALSE(store.read(QStringLiteral("Project LOGO"), QStringLiteral("Line1")));
    EXPECT_TRUE(dialog->pagePrinted()); // printed with the block as it stands

    ui.answers.push_back(Answer::Yes);
    click("btPrint");
    EXPECT_EQ(store.read(QStringLiteral("Project LOGO"), QStringLiteral("Line2")), QStringLiteral("Sheet 4"));
    EXPECT_EQ(store.read(QStringLiteral("Project LOGO"), QStringLiteral("Justify")), QStringLiteral("Right"));
    EXPECT_FALSE(dialog->logoChanged());
    click("btPrint"); // nothing left to ask
    EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST_F(PrintDialog, FontPictureAndDeleteEditTheChosenBlock) {
    open();
    QFont font(QStringLiteral("Arial"), 14);
    font.setBold(true);
    ui.fonts.push_back(font);
    click("btFont");
    EXPECT_EQ(find<QLabel>("lbFont")->text(), QStringLiteral("Arial, 14 pt, bold"));
    EXPECT_EQ(dialog->labelBlocks().owner.font.size, 14);

    const QString picture = folder.filePath(QStringLiteral("logo.png"));
    QImage(8, 8, QImage::Format_RGB32).save(picture);
    ui.fileNames.push_back(picture);
    click("btBrowse");
    EXPECT_EQ(find<QLabel>("lbPicture")->text(), QStringLiteral("logo.png"));
    EXPECT_EQ(dialog->labelBlocks().owner.pictureFile, picture);

    const QString text = folder.filePath(QStringLiteral("notes.txt"));
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("no picture");
    notes.close();
    ui.fileNames.push_back(text);
    click("btBrowse");
    EXPECT_EQ(ui.texts(), QStringList{text + QStringLiteral("\nis not a picture Brelt can read.")});
    EXPECT_EQ(dialog->labelBlocks().owner.pictureFile, picture);

    click("btDelete");
    EXPECT_EQ(find<QLabel>("lbPicture")->text(), QStringLiteral("not selected"));
    click("btSave");
    EXPECT_EQ(store.read(QStringLiteral("Owner LOGO"), QStringLiteral("Font_Size")), QStringLiteral("14"));
    EXPECT_FALSE(dialog->logoChanged());
}

TEST_F(PrintDialog, NoPrinterAndNoFileIsSaidClearly) {
    open();
    if (hasPrintTarget(dialog->printer())) GTEST_SKIP() << "this machine has a printer";
    ui.printerAccepted = true; // the print dialog closed with OK, but nothing chosen to print to
    click("btPrint");
    EXPECT_EQ(ui.printerDialogs, 1);
    EXPECT_EQ(ui.texts(), QStringList{noPrinterText()});
    EXPECT_FALSE(dialog->pagePrinted());
    EXPECT_EQ(drawn, 0);

    // "Print to file" chosen in the print dialog: the page goes there.
    ui.boxes.clear();
    ui.printerOutputFile = folder.filePath(QStringLiteral("chosen.pdf"));
    click("btPrint");
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(QFile::exists(ui.printerOutputFile));
}

TEST_F(PrintDialog, MarginsTooWideForThePaperAreRefusedWithAMessage) {
    open();
    printToFile();
    find<QSpinBox>("edLeft")->setValue(150);
    find<QSpinBox>("edRight")->setValue(150);
    click("btPrint");
    EXPECT_EQ(ui.texts(),
              QStringList{QStringLiteral("The margins leave no room for the chart on this paper.\n"
                                         "Make the margins smaller or choose fewer label blocks.")});
    EXPECT_FALSE(dialog->pagePrinted());
    EXPECT_TRUE(dialog->isEnabled());
}

TEST_F(PrintDialog, ThePreviewsMarginLinesFollowTheMouse) {
    open();
    QString shown;
    int previews = 0;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<TPreView*>(w);
            if (!preview || !preview->isVisible()) continue;
            ++previews;
            EXPECT_EQ(preview->windowTitle(), QStringLiteral("Print Preview"));
            PreviewPage* page = preview->page();
            const double p = page->pixelsPerMm();
            const int y = page->height() / 2;
            const QPoint line(page->linePosition(PreviewPage::Edge::Left), y);
            EXPECT_EQ(page->edgeAt(line), PreviewPage::Edge::Left);
            drag(page, line, QPoint(PreviewPage::kOffset + qRound(40 * p), y));
            // A bottom margin that would leave the chart no room stops where it still has some.
            const QPoint bottom(page->width() / 2, page->linePosition(PreviewPage::Edge::Bottom));
            drag(page, bottom, QPoint(bottom.x(), PreviewPage::kOffset + 5));
            shown = preview->findChild<QLabel*>(QStringLiteral("lbMargins"))->text();
            preview->findChild<QPushButton*>(QStringLiteral("btExit"))->click();
        }
    });
    click("btPreview");
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(dialog->pageSettings().left, 40);
    EXPECT_EQ(find<QSpinBox>("edLeft")->value(), 40);
    const int bottom = dialog->pageSettings().bottom;
    EXPECT_GT(bottom, 200);
    EXPECT_TRUE(pageGeometry(QSize(794, 1123), 96, dialog->pageSettings()).fits);
    EXPECT_EQ(shown, QStringLiteral("Left 40 mm   Right 20 mm   Top 10 mm   Bottom %1 mm").arg(bottom));
    EXPECT_GT(drawn, 0); // the page was drawn through the same painting as the printer's
}

TEST(PrintPreview, DraggingInInchesMovesByWholeTenths) {
    PageSettings settings;
    settings.setUnit(MarginUnit::TenthsOfInch);
    const LabelBlockSet blocks;
    const PagePainter none;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    TPreView preview(none, settings, blocks, printer, {});
    preview.show();
    PreviewPage* page = preview.page();
    const double p = page->pixelsPerMm();
    const QPoint top(page->width() / 3, page->linePosition(PreviewPage::Edge::Top));
    drag(page, top, QPoint(top.x(), PreviewPage::kOffset + qRound(31 * p))); // 31 mm: 12.2 tenths
    EXPECT_EQ(settings.top, 30);                                             // 12 tenths: 30.48 mm
    EXPECT_EQ(preview.marginsText(),
              QStringLiteral("Left 1.0 in   Right 0.8 in   Top 1.2 in   Bottom 0.4 in"));
    // The page picture is the paper at the screen's resolution.
    EXPECT_NEAR(page->pagePicture().width(), 210 * page->logicalDpiX() / 25.4, 1);
}

TEST(PrintChart, AnyDrawingPrintsIntoTheChartRectangleOfThePage) {
    brelt::testing::FakeUiServices ui;
    MemorySettingsStore store;
    QTemporaryDir folder;
    QRect area;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<TPrintDlg*>(w); dialog && dialog->isVisible()) {
                dialog->printer().setPageSize(QPageSize(QPageSize::Letter));
                dialog->printer().setOutputFileName(folder.filePath(QStringLiteral("drawing.pdf")));
                dialog->btPrintClick();
                dialog->reject();
            }
    });
    printDrawing([&](QPainter&, const QRect& r) { area = r; }, nullptr, store);
    QPrinter letter(QPrinter::HighResolution);
    letter.setPageSize(QPageSize(QPageSize::Letter));
    const int dpi = letter.resolution();
    EXPECT_EQ(area, pageGeometry(letter.pageLayout().fullRectPixels(dpi).size(), dpi, PageSettings{}).chart);
    EXPECT_EQ(store.read(QStringLiteral("Print"), QStringLiteral("Left")), QStringLiteral("25"));
}
