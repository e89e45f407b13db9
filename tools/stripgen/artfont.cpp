#include "tools/stripgen/artfont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QList>

#include <stdexcept>

namespace stripgen {

QFont artFont(int pixelSize, const QString &mustCover)
{
    QFont font(QString::fromLatin1(kArtFamily));
    font.setPixelSize(pixelSize);
    // No borrowing of glyphs from other faces.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));

    const QFontInfo info(font);
    if (info.family() != QLatin1String(kArtFamily))
        throw std::runtime_error(std::string("font ") + kArtFamily + " not found (got "
            + info.family().toStdString() + "); install fonts-ipafont-gothic");
    const QFontMetrics metrics(font);
    for (const uint c : mustCover.toUcs4())
        if (!metrics.inFontUcs4(c))
            throw std::runtime_error(std::string("font ") + kArtFamily + " lacks U+"
                + QString::number(c, 16).toUpper().toStdString());
    return font;
}

} // namespace stripgen
