// TGraph::DrawToDxf: the chart's drawing run once for a drawing-exchange export.
#include "chart/view/graph.h"

namespace brelt::chart {

void TGraph::DrawToDxf(DxfSink& sink) {
    if (m_drawing) return;
    // The ranges and layout are those of the picture on screen (or of a default size before the
    // first show); what lands on the scratch picture is thrown away.
    const QSize size = m_image.isNull() || m_image.size().isEmpty() ? QSize(640, 480) : m_image.size();
    QImage scratch(size, QImage::Format_RGB32);
    m_dxfSink = &sink;
    DrawTo(scratch, QRect(QPoint(0, 0), size), OutputKind::Picture);
    m_dxfSink = nullptr;
}

} // namespace brelt::chart
