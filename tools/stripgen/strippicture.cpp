#include "tools/stripgen/strippicture.h"

#include "tools/stripgen/symbolart.h"

#include <QPainter>

#include <cstring>

namespace stripgen {

QImage cellPicture(judge::Symbol symbol)
{
    QImage cell(kStripWidth, kCellHeight, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Antialiased edges too must stay inside the box.
    painter.setClipRect(kSymbolBox);
    drawSymbol(painter, symbol);
    return cell;
}

QImage stripPicture(int reel)
{
    // Each symbol is painted once, so every cell of a symbol is the same
    // pixels wherever it stands.
    QImage cells[judge::kSymbolCount];
    for (int s = 0; s < judge::kSymbolCount; ++s)
        cells[s] = cellPicture(static_cast<judge::Symbol>(s));

    QImage strip(kStripWidth, kStripHeight, QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(strip.bytesPerLine());
    for (int row = 0; row < kStripHeight; ++row) {
        const auto symbol = judge::symbolAt(reel, cellAtRow(row));
        const QImage &cell = cells[static_cast<int>(symbol)];
        std::memcpy(strip.scanLine(row), cell.constScanLine(row % kCellHeight), rowBytes);
    }
    return strip;
}

} // namespace stripgen
