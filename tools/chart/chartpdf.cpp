#include "tools/chart/chartpdf.h"

#include "tools/chart/chartpictures.h"
#include "ui/chart/chartprinter.h"
#include "ui/pictures/cellpictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

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
    // Qt's start looks into the runtime folder for a sandbox's mark; without
    // XDG_RUNTIME_DIR it warns and makes /tmp/runtime-$USER. The tool needs
    // none: Qt gets an empty private folder, gone when the tool ends.
    static std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.emplace().isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
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
        error = "cannot read the strip picture " + file.toStdString() + ": "
            + ui::problemInEnglish(pictures.problem) + " (give the folder with --pictures)";
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
