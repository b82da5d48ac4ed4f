#pragma once
// A quick PNG encoder for chart pictures: a palette of up to 256 colours (else 8-bit RGB), every
// row filtered with "Up" (a chart is mostly rows like the one above, which then become zeros) and
// deflated at the fastest level.
// General-purpose writers spend most of their time choosing filters per row; a chart gains
// nothing from that, and the command line must write its picture in a few milliseconds.
#include <QByteArray>

class QImage;

namespace brelt::chart {

QByteArray encodePng(const QImage& image);

} // namespace brelt::chart
