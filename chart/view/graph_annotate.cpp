// The annotation layer's notes: keeping them, their text form, and drawing them.
#include "chart/view/graph_annotate.h"

#include "chart/data/chart_text.h"
#include "chart/view/graph.h"
#include "chart/view/text_metrics.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace brelt::chart {

namespace {

constexpr int kMaxNoteWidth = 50;
constexpr int kMaxNoteFontSize = 500;
const QString kClass = QStringLiteral("TGraphAnnotate");

// One line of text: line breaks would end the line in the chart file.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

int styleBits(const TChartFont& f) {
    return (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0);
}

double finiteReal(const QString& field) {
    const double v = ChartTextReader::toReal(field);
    if (!std::isfinite(v)) throw ChartReadError{QStringLiteral("'%1' is not a finite number").arg(field)};
    return v;
}

} // namespace

TAnnotation settledNote(TAnnotation note) {
    note.text = oneLine(note.text);
    note.font.name = oneLine(note.font.name);
    note.font.size = std::clamp(note.font.size, 1, kMaxNoteFontSize);
    note.font.color = note.color;
    note.width = std::clamp(note.width, 1, kMaxNoteWidth);
    if (!std::isfinite(note.angle)) note.angle = 0;
    note.angle = std::remainder(note.angle, 360.0);
    return note;
}

TGraphAnnotate::TGraphAnnotate(TGraphContext* graph) : TLayer(graph, QStringLiteral("Annotations")) {}

int TGraphAnnotate::add(const TAnnotation& note) {
    m_notes.push_back(settledNote(note));
    markChanged();
    return Count() - 1;
}

void TGraphAnnotate::Clear() {
    m_notes.clear();
    m_current = -1;
    m_drag = DragPart::None;
    m_hitIndex = -1;
    ++m_generation;
    markChanged();
}

// ---- text form ----

void TGraphAnnotate::SaveToText(ChartTextWriter& writer) const {
    writer.line(kClass);
    writeLayerLines(writer);
    writer.fields({ChartTextWriter::integer(Count())});
    for (const TAnnotation& n : m_notes) {
        writer.fields({ChartTextWriter::integer(static_cast<int>(n.kind)), ChartTextWriter::real(n.x),
                       ChartTextWriter::real(n.y), ChartTextWriter::real(n.x2), ChartTextWriter::real(n.y2),
                       ChartTextWriter::integer(n.color), ChartTextWriter::real(n.angle),
                       ChartTextWriter::boolean(n.frame), ChartTextWriter::integer(n.width)});
        writer.line(ChartTextWriter::integer(n.font.size) + QLatin1Char(' ') +
                    ChartTextWriter::integer(n.font.charSet) + QLatin1Char(' ') +
                    ChartTextWriter::integer(styleBits(n.font)) + QLatin1Char(' ') + n.font.name);
        writer.line(n.text);
    }
    writer.line(kClass);
}

void TGraphAnnotate::LoadFromText(ChartTextReader& reader) {
    try {
        readLayerLines(reader);
        const long long count = ChartTextReader::toInteger(reader.readLine().trimmed());
        if (count < 0) throw ChartReadError{QStringLiteral("negative note count")};
        // Notes read before a damaged line stay.
        for (long long i = 0; i < count; ++i) {
            TAnnotation n;
            const QStringList f = reader.splitFields(reader.readLine(), 9, false);
            const long long kind = ChartTextReader::toInteger(f[0]);
            if (kind != 0 && kind != 1) throw ChartReadError{QStringLiteral("unknown note kind")};
            n.kind = static_cast<NoteKind>(kind);
            n.x = finiteReal(f[1]);
            n.y = finiteReal(f[2]);
            n.x2 = finiteReal(f[3]);
            n.y2 = finiteReal(f[4]);
            n.color = static_cast<TColor>(ChartTextReader::toInteger(f[5]));
            n.angle = finiteReal(f[6]);
            n.frame = ChartTextReader::toBool(f[7]);
            n.width =
                static_cast<int>(std::clamp<long long>(ChartTextReader::toInteger(f[8]), 1, kMaxNoteWidth));
            const QStringList font = reader.splitFields(reader.readLine(), 3, true);
            n.font.size = static_cast<int>(
                std::clamp<long long>(ChartTextReader::toInteger(font[0]), 1, kMaxNoteFontSize));
            n.font.charSet =
                static_cast<int>(std::clamp<long long>(ChartTextReader::toInteger(font[1]), 0, 255));
            const long long style = ChartTextReader::toInteger(font[2]);
            n.font.bold = style & 1;
            n.font.italic = style & 2;
            n.font.underline = style & 4;
            n.font.strikeOut = style & 8;
            n.font.name = font[3];
            n.text = reader.readLine();
            add(n);
        }
        if (reader.readLine().trimmed() != kClass) throw ChartReadError{QStringLiteral("block not closed")};
    } catch (ChartReadError& e) {
        if (e.className.isEmpty()) e.className = kClass;
        throw;
    }
}

// ---- drawing ----

QPointF TGraphAnnotate::toPixel(double x, double y) const {
    return m_graph ? m_graph->toPixelF(x, y) : QPointF();
}

bool TGraphAnnotate::onScreen() const {
    const auto* chart = dynamic_cast<const TGraph*>(m_graph);
    return chart && chart->outputKind() == OutputKind::Screen;
}

namespace {

// The text's box in its own turned frame, the anchor at (0, 0): from the anchor to the right,
// halfway up the line; a frame adds a margin all round.
QRectF textBox(const TGraphContext* graph, const TAnnotation& note, const QFont& font) {
    const QFontMetricsF metrics(font, measuringDevice(graph));
    const double w = std::max(metrics.horizontalAdvance(note.text), 1.0);
    const double h = metrics.height();
    QRectF box(0, -h / 2, w, h);
    if (note.frame) {
        const double pad = std::max(1, scaledPixels(graph, 3));
        box.adjust(-pad, -pad / 2, pad, pad / 2);
    }
    return box;
}

QTransform noteFrame(QPointF anchor, double angle) {
    QTransform t;
    t.translate(anchor.x(), anchor.y());
    t.rotate(-angle);
    return t;
}

} // namespace

QPolygonF TGraphAnnotate::textOutline(const TAnnotation& note) const {
    const QFont font = scaledFont(m_graph, note.font.toQFont());
    return noteFrame(toPixel(note.x, note.y), note.angle).map(QPolygonF(textBox(m_graph, note, font)));
}

void TGraphAnnotate::Draw() {
    if (!m_graph || !m_graph->canvas()) return;
    QPainter& p = *m_graph->canvas();
    for (const TAnnotation& note : m_notes) {
        p.save();
        if (note.kind == NoteKind::Arrow)
            drawArrow(p, note);
        else
            drawText(p, note);
        p.restore();
    }
    if (m_current >= 0 && m_current < Count() && onScreen()) drawSelection(p, note(m_current));
}

void TGraphAnnotate::drawText(QPainter& p, const TAnnotation& note) const {
    if (note.text.isEmpty()) return;
    const QFont font = scaledFont(m_graph, note.font.toQFont());
    const QRectF box = textBox(m_graph, note, font);
    p.setTransform(noteFrame(toPixel(note.x, note.y), note.angle), true);
    const QColor color = toQColor(note.color);
    if (note.frame) {
        p.setPen(QPen(color, penPixels(m_graph, 1)));
        p.setBrush(toQColor(m_graph->plotAreaColor()));
        p.drawRect(box);
    }
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, note.text);
}

void TGraphAnnotate::drawArrow(QPainter& p, const TAnnotation& note) const {
    const QPointF tip = toPixel(note.x, note.y);
    const QPointF tail = toPixel(note.x2, note.y2);
    const double length = std::hypot(tip.x() - tail.x(), tip.y() - tail.y());
    if (!(length >= 1)) return;
    const QPointF along = (tip - tail) / length;
    const QPointF across(-along.y(), along.x());
    const int pen = penPixels(m_graph, note.width);
    // The head: as long as 10 screen pixels and two pen widths, not longer than the arrow.
    const double head = std::min(length, static_cast<double>(scaledPixels(m_graph, 10) + 2 * pen));
    const QColor color = toQColor(note.color);
    p.setPen(QPen(color, pen, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tail, tip - along * (head * 0.8));
    const QPointF base = tip - along * head;
    const QPointF corners[] = {tip, base + across * (head * 0.4), base - across * (head * 0.4)};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(corners, 3);
}

void TGraphAnnotate::drawSelection(QPainter& p, const TAnnotation& note) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    if (note.kind == NoteKind::Text) {
        p.drawPolygon(textOutline(note).toPolygon());
    } else {
        for (const QPointF end : {toPixel(note.x, note.y), toPixel(note.x2, note.y2)})
            p.drawRect(QRectF(end - QPointF(3, 3), QSizeF(6, 6)).toRect());
    }
    p.restore();
}

// ---- hit testing ----

namespace {

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    const QPointF q = a + t * ab;
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

constexpr double kGrab = 4; // pixels of slack around a note
constexpr double kEndGrab = 6;

} // namespace

int TGraphAnnotate::hitTest(int x, int y) const {
    if (!m_graph || !Visible()) return -1;
    const QPointF mouse(x, y);
    for (int i = Count() - 1; i >= 0; --i) {
        const TAnnotation& n = note(i);
        if (n.kind == NoteKind::Arrow) {
            const double reach = std::max(kGrab, penPixels(m_graph, n.width) / 2.0 + 3);
            if (distanceToSegment(mouse, toPixel(n.x2, n.y2), toPixel(n.x, n.y)) <= reach) return i;
            continue;
        }
        if (n.text.isEmpty()) continue;
        const QFont font = scaledFont(m_graph, n.font.toQFont());
        bool invertible = false;
        const QTransform back = noteFrame(toPixel(n.x, n.y), n.angle).inverted(&invertible);
        if (invertible &&
            textBox(m_graph, n, font).adjusted(-kGrab, -kGrab, kGrab, kGrab).contains(back.map(mouse)))
            return i;
    }
    return -1;
}

TGraphAnnotate::DragPart TGraphAnnotate::partAt(int index, int x, int y) const {
    const TAnnotation& n = note(index);
    if (n.kind != NoteKind::Arrow) return DragPart::Whole;
    const QPointF mouse(x, y);
    auto near = [&mouse](QPointF end) {
        return std::hypot(mouse.x() - end.x(), mouse.y() - end.y()) <= kEndGrab;
    };
    if (near(toPixel(n.x, n.y))) return DragPart::Tip;
    if (near(toPixel(n.x2, n.y2))) return DragPart::Tail;
    return DragPart::Whole;
}

} // namespace brelt::chart
