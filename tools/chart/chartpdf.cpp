#include "tools/chart/chartpdf.h"

#include "tools/chart/chartpictures.h"
#include "ui/cellpictures.h"
#include "ui/chart/chartprinter.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPdfWriter>

#include <optional>

namespace chart {

namespace {

// Pictures and fonts need a GUI application; without a display the
// offscreen platform serves, unless the user chose another.
void startGuiApplication(std::optional<QGuiApplication> &app)
{
    if (QCoreApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "reachme-chart";
    static char *argv[] = { name, nullptr };
    app.emplace(argc, argv);
}

} // namespace

bool renderPdf(const std::vector<judge::ResultGroup> &groups, const std::string &picturesDirectory,
    std::string &pdf, std::string &error)
{
    std::optional<QGuiApplication> app;
    startGuiApplication(app);
    const ui::StripPictures pictures = chartPictures(QString::fromStdString(picturesDirectory));
    if (!pictures.loaded()) {
        const QString file = QDir(pictures.directory).filePath(pictures.failedFile);
        error = "cannot read the strip picture " + file.toStdString()
            + (pictures.missing ? ": no such file" : ": not a picture")
            + " (give the folder with --pictures)";
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("リーチ目表"));
        writer.setCreator(QStringLiteral("reachme-chart"));
        if (!ui::printChart(writer, groups, ui::CellPictures(pictures))) {
            error = "cannot draw the PDF";
            return false;
        }
    }
    pdf = buffer.data().toStdString();
    return true;
}

} // namespace chart
