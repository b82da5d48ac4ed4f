// The control's operations as a window uses them: the picture on the clipboard, pasting data,
// printing (cancelled, and to a file), its three dialogs with OK and Cancel, the cached drawing
// mode and turning a surface with the mouse.
#include "chart/vtchart/vt_chart.h"
#include "chart/vtchart/vt_dialogs.h"
#include "support/fake_ui_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace brelt::chart {
namespace {

// Runs `act` on the dialog that the next call opens, once it is shown.
void onNextDialog(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

class VtChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(400, 300);
        chart.SetRowCount(2);
        chart.SetColumnCount(2);
        chart.SetData(QStringLiteral("5"));
    }
    testing::FakeUiServices ui;
    TVtChart chart;
};

TEST_F(VtChartTest, CopyPicturePutsBitmapAndSvgOnTheClipboard) {
    chart.CopyPicture();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(mime->imageData()).size(), QSize(400, 300));
    EXPECT_TRUE(mime->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
}

TEST_F(VtChartTest, PasteDataFillsTheGridOrSaysWhyNot) {
    QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\t5\t6\n"));
    EXPECT_TRUE(chart.PasteData());
    EXPECT_EQ(chart.RowCount(), 2);
    EXPECT_EQ(chart.ColumnCount(), 3);
    EXPECT_EQ(chart.DataGrid().value(2, 3), 6.0);
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    EXPECT_FALSE(chart.PasteData());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("The clipboard holds no rows of numbers to paste."));
    EXPECT_EQ(chart.ColumnCount(), 3);
}

// Prints into a PDF file instead of a printer: what the print dialog would have set up.
class PdfPrinterServices final : public UiServices {
public:
    explicit PdfPrinterServices(QString file) : m_file(std::move(file)) { setUiServices(this); }
    ~PdfPrinterServices() override { setUiServices(nullptr); }
    Answer ask(QWidget*, const QString&, const QString&, MessageKind, unsigned) override {
        return Answer::Ok;
    }
    FileDialogResult openFile(QWidget*, const FileDialogRequest&) override { return {}; }
    FileDialogResult saveFile(QWidget*, const FileDialogRequest&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&, const QString&) override { return {}; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&, const QString&) override { return {}; }
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_file);
        return true;
    }
    bool openUrl(const QUrl&) override { return false; }
    int asked = 0;

private:
    QString m_file;
};

TEST_F(VtChartTest, PrintPictureAsksThenPrintsOnePage) {
    ui.printerAccepted = false;
    chart.PrintPicture(); // cancelled: nothing printed, nothing said
    EXPECT_TRUE(ui.boxes.empty());

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    {
        PdfPrinterServices printing(file);
        chart.PrintPicture();
        EXPECT_EQ(printing.asked, 1);
    }
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
}

TEST_F(VtChartTest, EditDataGridKeepsTheCopyOnlyOnOk) {
    onNextDialog([](QDialog& dialog) {
        auto& grid = static_cast<VtDataGridDialog&>(dialog);
        VtGridTableModel& model = grid.tableModel();
        model.setData(model.index(1, 1), QStringLiteral("2.5"), Qt::EditRole);
        model.setData(model.index(0, 2), QStringLiteral("Y2"), Qt::EditRole);
        model.setData(model.index(2, 0), QStringLiteral("X2"), Qt::EditRole);
        model.setData(model.index(2, 2), QStringLiteral("x"), Qt::EditRole);
        dialog.reject();
    });
    EXPECT_FALSE(chart.EditDataGrid());
    EXPECT_EQ(chart.DataGrid().value(1, 1), 5.0);

    onNextDialog([](QDialog& dialog) {
        auto& grid = static_cast<VtDataGridDialog&>(dialog);
        VtGridTableModel& model = grid.tableModel();
        EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("5"));
        model.setData(model.index(1, 1), QStringLiteral("2.5"), Qt::EditRole);
        model.setData(model.index(0, 2), QStringLiteral("Y2"), Qt::EditRole);
        model.setData(model.index(2, 0), QStringLiteral("X2"), Qt::EditRole);
        grid.rowsBox().setValue(3);
        dialog.accept();
    });
    EXPECT_TRUE(chart.EditDataGrid());
    EXPECT_EQ(chart.DataGrid().value(1, 1), 2.5);
    EXPECT_EQ(chart.DataGrid().columnLabel(2), QStringLiteral("Y2"));
    EXPECT_EQ(chart.DataGrid().rowLabel(2), QStringLiteral("X2"));
}

TEST_F(VtChartTest, PropertyPagesApplyOnOk) {
    ui.colors.push_back(QColor(255, 0, 0));
    onNextDialog([](QDialog& dialog) {
        auto& pages = static_cast<VtPropertyDialog&>(dialog);
        pages.typeBox().setCurrentIndex(1);
        pages.titleEdit().setText(QStringLiteral("Rose"));
        pages.legendBox().setChecked(true);
        pages.rotationBox().setValue(95);
        pages.elevationBox().setValue(45);
        pages.wallWidthBox().setValue(4);
        pages.axisTitleEdit(3).setText(QStringLiteral("depth"));
        pages.axisGridBox(1).setChecked(false);
        pages.surfaceColorButton().click();
        dialog.accept();
    });
    EXPECT_TRUE(chart.ShowPropertyPages());
    EXPECT_EQ(chart.ChartType(), VtChartType::Polar);
    EXPECT_EQ(chart.TitleText(), QStringLiteral("Rose"));
    EXPECT_TRUE(chart.ShowLegend());
    EXPECT_EQ(chart.GetPlot().Rotation(), 95);
    EXPECT_EQ(chart.GetPlot().Elevation(), 45);
    EXPECT_EQ(chart.GetPlot().WallWidth(), 4);
    EXPECT_EQ(chart.GetPlot().Axis(3).title, QStringLiteral("depth"));
    EXPECT_EQ(chart.GetPlot().Axis(1).majorGridStyle, VtPenNone);
    EXPECT_EQ(chart.GetPlot().SurfaceColor(), clRed);

    onNextDialog([](QDialog& dialog) {
        static_cast<VtPropertyDialog&>(dialog).titleEdit().setText(QStringLiteral("lost"));
        dialog.reject();
    });
    EXPECT_FALSE(chart.ShowPropertyPages());
    EXPECT_EQ(chart.TitleText(), QStringLiteral("Rose"));
}

TEST_F(VtChartTest, WizardChoosesTypeAndTitles) {
    onNextDialog([](QDialog& dialog) {
        auto& wizard = static_cast<VtChartWizard&>(dialog);
        wizard.polarChoice().setChecked(true);
        wizard.next();
        wizard.titleEdit().setText(QStringLiteral("Cardioid"));
        wizard.axisTitleEdit(1).setText(QStringLiteral("r"));
        wizard.accept();
    });
    EXPECT_TRUE(chart.RunWizard());
    EXPECT_EQ(chart.ChartType(), VtChartType::Polar);
    EXPECT_EQ(chart.TitleText(), QStringLiteral("Cardioid"));
    EXPECT_EQ(chart.GetPlot().Axis(1).title, QStringLiteral("r"));
    EXPECT_EQ(chart.GetPlot().Axis(2).title, QStringLiteral("r"));
}

TEST_F(VtChartTest, CachedModeRepaintsAfterChangesAndDraggingTurnsTheSurface) {
    chart.SetDrawMode(1);
    const QImage before = chart.grab().toImage();
    chart.SetTitleText(QStringLiteral("Changed"));
    EXPECT_NE(chart.grab().toImage(), before);

    int turned = 0;
    QObject::connect(&chart, &TVtChart::viewChanged, [&turned] { ++turned; });
    const double rotation = chart.GetPlot().Rotation();
    const double elevation = chart.GetPlot().Elevation();
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseMove(&chart, QPoint(220, 160));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(220, 160));
    EXPECT_GE(turned, 1);
    EXPECT_DOUBLE_EQ(chart.GetPlot().Rotation(), rotation - 10);
    EXPECT_DOUBLE_EQ(chart.GetPlot().Elevation(), elevation + 5);
}

} // namespace
} // namespace brelt::chart
