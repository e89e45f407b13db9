#include "tools/stripgen/contactsheet.h"

#include "tools/stripgen/artfont.h"
#include "tools/stripgen/strippicture.h"

#include <QPainter>

namespace stripgen {

namespace {

constexpr int kScale = 2;
constexpr int kMargin = 16;
constexpr int kHeader = 36;
constexpr int kLabelWidth = 124;
constexpr int kColumnGap = 28;
constexpr int kColumnWidth = kLabelWidth + kStripWidth * kScale;
constexpr const char *kReelNames[] = { "r1.bmp  left", "r2.bmp  centre", "r3.bmp  right" };

void drawText(QPainter &painter, const QRect &box, int flags, const QString &text, int size)
{
    painter.setFont(artFont(size, text));
    painter.drawText(box, flags, text);
}

} // namespace

QImage contactSheet(const std::array<QImage, 3> &strips)
{
    const int bands = (kStripHeight + kCellHeight - 1) / kCellHeight;
    QImage sheet(2 * kMargin + 3 * kColumnWidth + 2 * kColumnGap,
        2 * kMargin + kHeader + kStripHeight * kScale, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);

    for (int reel = 0; reel < 3; ++reel) {
        const int left = kMargin + reel * (kColumnWidth + kColumnGap);
        const int top = kMargin + kHeader;
        painter.setPen(Qt::black);
        drawText(painter, QRect(left, kMargin, kColumnWidth, kHeader - 8),
            Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kReelNames[reel]), 20);

        // Nearest-neighbour scaling keeps every picture pixel a crisp square.
        painter.drawImage(left + kLabelWidth, top,
            strips[static_cast<std::size_t>(reel)].scaled(kStripWidth * kScale,
                kStripHeight * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation));

        for (int band = 0; band < bands; ++band) {
            const int y = top + band * kCellHeight * kScale;
            const int cell = cellAtRow(band * kCellHeight);
            const bool repeat = band == 0 || band > kCellsPerStrip;
            const QString symbol
                = QString::fromLatin1(judge::symbolName(judge::symbolAt(reel, cell)).data());
            painter.setPen(QColor(160, 160, 160));
            painter.drawLine(left, y, left + kLabelWidth - 4, y);
            painter.setPen(repeat ? QColor(150, 150, 150) : QColor(0, 0, 0));
            drawText(painter, QRect(left, y + 8, 40, 30), Qt::AlignRight | Qt::AlignTop,
                QString::number(cell), 22);
            drawText(painter, QRect(left + 48, y + 12, kLabelWidth - 52, 24),
                Qt::AlignLeft | Qt::AlignTop, symbol, 16);
            if (repeat)
                drawText(painter, QRect(left + 48, y + 36, kLabelWidth - 52, 24),
                    Qt::AlignLeft | Qt::AlignTop, QStringLiteral("(repeat)"), 14);
        }
    }
    return sheet;
}

} // namespace stripgen
