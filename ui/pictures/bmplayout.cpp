#include "ui/pictures/bmplayout.h"

#include <cstdlib>

namespace ui {

namespace {

quint32 field(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// Compression methods that store every pixel in plain rows.
bool plainRows(quint32 compression)
{
    constexpr quint32 kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
    return compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
}

} // namespace

std::optional<BmpLayout> readBmpLayout(const QByteArray &head)
{
    if (head.size() < 26 || !head.startsWith("BM"))
        return std::nullopt;
    const quint32 dataOffset = field(head, 10, 4);
    const quint32 headerSize = field(head, 14, 4);
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = 0;
    if (headerSize == 12) { // the old OS/2 header, with 16-bit sizes
        width = qint16(field(head, 18, 2));
        height = qint16(field(head, 20, 2));
        bits = field(head, 24, 2);
    } else if (headerSize >= 40 && head.size() >= 34) {
        width = qint32(field(head, 18, 4));
        height = qint32(field(head, 22, 4)); // negative: rows stored top-down
        bits = field(head, 28, 2);
        compression = field(head, 30, 4);
    } else {
        return std::nullopt;
    }
    height = std::llabs(height);
    if (width <= 0 || height <= 0 || bits == 0 || bits > 32 || !plainRows(compression)
        || width > 1'000'000 || height > 1'000'000)
        return std::nullopt;
    // Each row is padded to a whole number of 32-bit words.
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return BmpLayout { int(width), int(height), qint64(dataOffset) + rowBytes * height };
}

} // namespace ui
