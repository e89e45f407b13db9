#include "tools/stripgen/strippicture.h"

#include "tools/stripgen/symbolart.h"

#include <QPainter>

#include <cstring>

namespace stripgen {

QImage cellPicture(judge::Symbol symbol, int scale)
{
    QImage cell(kStripWidth * scale, kCellHeight * scale, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The art is drawn in cell coordinates whatever the size.
    painter.scale(scale, scale);
    // Antialiased edges too must stay inside the box.
    painter.setClipRect(kSymbolBox);
    drawSymbol(painter, symbol);
    return cell;
}

QImage stripPicture(int reel, int scale)
{
    // Each symbol is painted once, so every cell of a symbol is the same
    // pixels wherever it stands.
    QImage cells[judge::kSymbolCount];
    for (int s = 0; s < judge::kSymbolCount; ++s)
        cells[s] = cellPicture(static_cast<judge::Symbol>(s), scale);

    QImage strip(kStripWidth * scale, kStripHeight * scale, QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(strip.bytesPerLine());
    for (int row = 0; row < strip.height(); ++row) {
        const auto symbol = judge::symbolAt(reel, cellAtRow(row / scale));
        const QImage &cell = cells[static_cast<int>(symbol)];
        std::memcpy(strip.scanLine(row), cell.constScanLine(row % cell.height()), rowBytes);
    }
    return strip;
}

} // namespace stripgen
