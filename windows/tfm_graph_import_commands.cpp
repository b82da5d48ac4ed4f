// TfmGraphImport: the commands that bring text into the grid, the colour and marker buttons, and OK.
#include "chart/data/series.h"
#include "chart/io/import_text.h"
#include "chart/view/graph.h"
#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"
#include "windows/tfm_fields.h"
#include "windows/tfm_file_data.h"
#include "windows/tfm_graph_import.h"
#include "windows/tfm_marker_style.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace brelt::windows {

using namespace brelt::chart;

namespace {

void warn(QWidget* parent, const QString& text) {
    uiServices().message(parent, kBoxTitle, text, MessageKind::Warning);
}

// The clipboard's lines, with a word when the limit cut them; empty when there is no text.
QStringList clipboardText(QWidget* parent) {
    const ClipboardLines clip = clipboardLines(QGuiApplication::clipboard()->text());
    if (clip.cut)
        warn(parent,
             QStringLiteral("The clipboard holds more than %1 bytes: only its first %2 lines were taken.")
                 .arg(kClipboardByteLimit)
                 .arg(clip.lines.size()));
    return clip.lines;
}

} // namespace

void TfmGraphImport::reportLoad(const GridLoad& load) {
    if (load.rowsLeftOut > 0)
        warn(this,
             QStringLiteral("The grid holds %1 rows: %2 rows were read and %3 did not fit and were left out.")
                 .arg(kGridRows)
                 .arg(load.rowsWritten)
                 .arg(load.rowsLeftOut));
}

void TfmGraphImport::PasteAsIs() {
    if (QGuiApplication::clipboard()->text().isEmpty()) {
        uiServices().message(this, kBoxTitle, QStringLiteral("There is no data on the Clipboard"),
                             MessageKind::Error);
        return;
    }
    const QStringList lines = clipboardText(this);
    const GridLoad load = m_grid.pasteAsIs(lines, currentRow(), std::max(sgMain->currentColumn(), 0),
                                           SeparatorTable::standard());
    showGrid();
    reportLoad(load);
}

void TfmGraphImport::PasteByFieldName() {
    const QStringList lines = clipboardText(this);
    if (lines.isEmpty()) {
        warn(this, QStringLiteral("Clipboard not contents text information"));
        return;
    }
    TfmFields fields(headerFields(lines.front()), this);
    if (fields.exec() != QDialog::Accepted) return;
    const FieldLinks& links = fields.links();
    const GridLoad load = m_grid.pasteLinked(lines.mid(1), links.column(0), links.column(1), currentRow(),
                                             SeparatorTable::standard());
    showGrid();
    reportLoad(load);
}

void TfmGraphImport::LoadFromFile() {
    FileDialogRequest request;
    request.title = QStringLiteral("ASCII Data File Selection");
    request.filters = QStringLiteral("Any ASCII files (*.*)");
    request.overwritePrompt = false;
    const QString name = uiServices().openFile(this, request).fileName;
    if (name.isEmpty()) return;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        uiServices().message(this, kBoxTitle, QStringLiteral("Can not open file ") + name,
                             MessageKind::Error);
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    TfmFileData data(text, this);
    if (data.exec() != QDialog::Accepted) return;
    // Lines end in LF, CR LF or CR.
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const GridLoad load = m_grid.loadColumns(lines, data.xColumn(), data.yColumn(), data.table());
    showGrid();
    if (load.rowsLeftOut > 0)
        warn(this,
             QStringLiteral("The file was cut: the grid holds %1 rows, so %2 rows were read and %3 were "
                            "left out.")
                 .arg(kGridRows)
                 .arg(load.rowsWritten)
                 .arg(load.rowsLeftOut));
}

void TfmGraphImport::ColorClick() {
    const auto color = uiServices().chooseColor(this, toQColor(m_color), QStringLiteral("Color"));
    if (color) m_color = fromQColor(*color);
}

void TfmGraphImport::SymbolsClick() {
    TfmMarkerStyle markers(m_graph, {m_series}, this);
    markers.exec();
}

void TfmGraphImport::bbOKClick() {
    if (applyToSeries()) accept();
}

bool TfmGraphImport::applyToSeries() {
    TSeries& s = *m_series;
    if (!m_locked) {
        const GridPoints rows = m_grid.points();
        if (rows.points.empty()) {
            if (m_newSeries) {
                reject(); // no point at all: the new series is discarded
                return false;
            }
            uiServices().message(this, kBoxTitle,
                                 QStringLiteral("The grid holds no points: the series keeps its points."),
                                 MessageKind::Error);
            return false;
        }
        if (rows.dataBelowStop &&
            !uiServices().confirm(
                this, kBoxTitle,
                QStringLiteral("Row %1 does not hold two numbers: the series takes the %2 rows "
                               "above it and leaves out the rows below. Go on?")
                    .arg(rows.stopRow + 1)
                    .arg(rows.points.size())))
            return false;
        s.Clear();
        for (const WorldPoint& p : rows.points)
            s.AddPoint(32768, QString(), p.X, p.Y);
    }
    s.SetVisible(true);
    s.SetColor(m_color);
    s.setSeriesStyle(styleAt(cbStyle->currentIndex()));
    s.setLineStyle(static_cast<LineStyle>(cbLineStyle->currentIndex()));
    s.setName(edName->text());
    s.setLineWidth(udLineWidth->value());
    if (m_newSeries) {
        auto* added = static_cast<TSeries*>(m_graph.AddLayer(std::move(m_newSeries)));
        m_graph.addLineLegend(*added);
    } else if (s.LegendEntry()) {
        s.LinkLegend(s.LegendEntry());
    }
    return true;
}

} // namespace brelt::windows
