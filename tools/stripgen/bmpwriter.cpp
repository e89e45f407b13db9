#include "tools/stripgen/bmpwriter.h"

#include <QSaveFile>

#include <cstdint>
#include <stdexcept>

namespace stripgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Pixels per metre, as the designed pictures carry them; nothing reads them.
constexpr std::int32_t kResolutionX = 3790;
constexpr std::int32_t kResolutionY = 3800;

void putU16(QByteArray &out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8));
}

void putU32(QByteArray &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

void putI32(QByteArray &out, std::int32_t value) { putU32(out, static_cast<std::uint32_t>(value)); }

} // namespace

QByteArray encodeBmp24(const QImage &image)
{
    if (image.isNull())
        throw std::runtime_error("cannot encode an empty picture");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(rgb.width());
    const auto height = static_cast<std::uint32_t>(rgb.height());
    const std::uint32_t rowSize = (width * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * height;
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(dataOffset + imageSize));
    out.append("BM", 2);
    putU32(out, dataOffset + imageSize);
    putU16(out, 0);
    putU16(out, 0);
    putU32(out, dataOffset);

    putU32(out, kInfoHeaderSize);
    putI32(out, static_cast<std::int32_t>(width));
    putI32(out, static_cast<std::int32_t>(height)); // positive: bottom-up rows
    putU16(out, 1); // planes
    putU16(out, 24); // bits per pixel
    putU32(out, 0); // no compression
    putU32(out, imageSize);
    putI32(out, kResolutionX);
    putI32(out, kResolutionY);
    putU32(out, 0); // colours used
    putU32(out, 0); // important colours

    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
        }
        for (std::uint32_t pad = width * 3; pad < rowSize; ++pad)
            out.append('\0');
    }
    return out;
}

void writeBmp24(const QImage &image, const QString &path)
{
    const QByteArray bytes = encodeBmp24(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(
            "cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace stripgen
