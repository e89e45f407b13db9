#include "ui/pictures/sharppicture.h"

#include "ui/pictures/picturefile.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>

namespace ui {

QString sharpPictureName(const QString &name)
{
    const QFileInfo info(name);
    return info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
}

double scaledDownDifference(const QImage &sharp, const QImage &normal)
{
    const QImage big = sharp.convertToFormat(QImage::Format_RGB32);
    const QImage small = normal.convertToFormat(QImage::Format_RGB32);
    std::array<qint64, 3> sums {};
    for (int y = 0; y < small.height(); ++y) {
        const auto *upper = reinterpret_cast<const QRgb *>(big.constScanLine(2 * y));
        const auto *lower = reinterpret_cast<const QRgb *>(big.constScanLine(2 * y + 1));
        const auto *line = reinterpret_cast<const QRgb *>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            const QRgb block[4]
                = { upper[2 * x], upper[2 * x + 1], lower[2 * x], lower[2 * x + 1] };
            const std::array<int (*)(QRgb), 3> channels { qRed, qGreen, qBlue };
            for (std::size_t c = 0; c < 3; ++c) {
                const int fourTimes = channels[c](block[0]) + channels[c](block[1])
                    + channels[c](block[2]) + channels[c](block[3]);
                sums[c] += std::abs(fourTimes - 4 * channels[c](line[x]));
            }
        }
    }
    const double pixels = 4.0 * small.width() * small.height();
    return pixels > 0 ? double(*std::max_element(sums.begin(), sums.end())) / pixels : 0;
}

QImage readSharpPicture(const QString &sharpPath, const QImage &normal)
{
    const PictureRead read = readPictureFile(sharpPath);
    if (read.problem == PictureProblem::missing)
        return {};
    QString reason = read.reason;
    if (read.ok() && read.image.size() != normal.size() * 2)
        reason = QStringLiteral("大きさが %1 × %2 ピクセルで、%3 × %4 ピクセルではありません。")
                     .arg(read.image.width())
                     .arg(read.image.height())
                     .arg(normal.width() * 2)
                     .arg(normal.height() * 2);
    else if (read.ok()) {
        const double difference = scaledDownDifference(read.image, normal);
        if (difference > kSharpTolerance)
            reason = QStringLiteral("縮小すると元の絵と合いません（差の平均 %1、許容 %2）。")
                         .arg(difference, 0, 'f', 1)
                         .arg(kSharpTolerance);
    }
    if (!reason.isEmpty()) {
        qWarning().noquote() << QStringLiteral("リールの絵 \"%1\" は使いません: %2")
                                    .arg(QDir::toNativeSeparators(sharpPath), reason);
        return {};
    }
    QImage sharp = read.image;
    sharp.setDevicePixelRatio(2);
    return sharp;
}

} // namespace ui
