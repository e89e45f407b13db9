// stripgen: draws the three reel strip pictures the program reads at start.
//
//   stripgen DIR                  writes DIR/r1.bmp, DIR/r2.bmp, DIR/r3.bmp and
//                                 their twice-as-large r1@2x.bmp … r3@2x.bmp
//   stripgen --contact-sheet PNG  writes a labelled proof of the three strips
#include "tools/stripgen/bmpwriter.h"
#include "tools/stripgen/contactsheet.h"
#include "tools/stripgen/strippicture.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <exception>
#include <stdexcept>

int main(int argc, char **argv)
{
    // Fonts need a GUI application, but nothing is ever shown: run headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the reel strip pictures r1.bmp, r2.bmp and r3.bmp, and their "
                       "versions for high-density screens r1@2x.bmp, r2@2x.bmp and r3@2x.bmp."));
    parser.addHelpOption();
    const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
        QStringLiteral("Write the three strips at 2x with cell numbers and symbols as a PNG."),
        QStringLiteral("png"));
    parser.addOption(sheetOption);
    parser.addPositionalArgument(QStringLiteral("dir"),
        QStringLiteral("Directory to write the pictures into."), QStringLiteral("[dir]"));
    parser.process(app);

    const QStringList dirs = parser.positionalArguments();
    if (dirs.size() > 1 || (dirs.isEmpty() && !parser.isSet(sheetOption))) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }

    try {
        std::array<QImage, 3> strips;
        for (int reel = 0; reel < 3; ++reel)
            strips[static_cast<std::size_t>(reel)] = stripgen::stripPicture(reel);

        if (!dirs.isEmpty()) {
            const QDir dir(dirs.front());
            for (int reel = 0; reel < 3; ++reel) {
                const QString path = dir.filePath(QStringLiteral("r%1.bmp").arg(reel + 1));
                stripgen::writeBmp24(strips[static_cast<std::size_t>(reel)], path);
                std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
                // Drawn from the same art at twice the size, not enlarged.
                const QString sharpPath = dir.filePath(QStringLiteral("r%1@2x.bmp").arg(reel + 1));
                stripgen::writeBmp24(stripgen::stripPicture(reel, 2), sharpPath);
                std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(sharpPath)));
            }
        }
        if (parser.isSet(sheetOption)) {
            const QString path = parser.value(sheetOption);
            if (!stripgen::contactSheet(strips).save(path, "PNG"))
                throw std::runtime_error("cannot write " + path.toStdString());
            std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "stripgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
