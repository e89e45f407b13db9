#include "ui/pictures/picturefile.h"

#include "ui/pictures/bmplayout.h"

#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

struct ProblemWords {
    PictureProblem problem;
    const char *english;
    const char *sentence; // UTF-8
};

constexpr ProblemWords kProblemWords[] = {
    { PictureProblem::none, "", "" },
    { PictureProblem::missing, "no such file", "ファイルが見つかりません。" },
    { PictureProblem::folderGone, "the folder no longer exists",
        "探したフォルダーはもう存在しません（削除されています）。" },
    { PictureProblem::noPermission, "permission denied", "ファイルを読む権限がありません。" },
    { PictureProblem::linkLoop, "too many levels of symbolic links",
        "シンボリックリンクが循環していて、ファイルにたどり着けません。" },
    { PictureProblem::notRegularFile, "not a regular file", "" },
    { PictureProblem::cannotOpen, "cannot be opened", "" },
    { PictureProblem::truncated, "pixel rows are missing", "" },
    { PictureProblem::notAPicture, "not a picture", "画像として読み込めません。" },
    { PictureProblem::tooSmall, "too small for the reel windows", "" },
};

constexpr bool inProblemOrder()
{
    for (std::size_t i = 0; i < std::size(kProblemWords); ++i)
        if (kProblemWords[i].problem != PictureProblem(i))
            return false;
    return std::size(kProblemWords) == std::size_t(PictureProblem::tooSmall) + 1;
}
static_assert(inProblemOrder(), "one row for every PictureProblem, in order");

PictureRead refused(PictureProblem problem, const QString &reason)
{
    return PictureRead { QImage(), problem, reason };
}

PictureRead refused(PictureProblem problem) { return refused(problem, problemSentence(problem)); }

PictureRead refusedToOpen(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return refused(PictureProblem::missing);
    case EACCES:
    case EPERM: return refused(PictureProblem::noPermission);
    case ELOOP: return refused(PictureProblem::linkLoop);
    default:
        return refused(PictureProblem::cannotOpen,
            QStringLiteral("ファイルを開けません（%1）。")
                .arg(QString::fromLocal8Bit(std::strerror(error))));
    }
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("フォルダー");
    if (S_ISFIFO(mode))
        return QStringLiteral("名前付きパイプ（FIFO）");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("デバイス");
    if (S_ISSOCK(mode))
        return QStringLiteral("ソケット");
    return QStringLiteral("特殊なファイル");
}

} // namespace

const char *problemInEnglish(PictureProblem problem)
{
    return kProblemWords[std::size_t(problem)].english;
}

QString problemSentence(PictureProblem problem)
{
    return QString::fromUtf8(kProblemWords[std::size_t(problem)].sentence);
}

PictureRead readPictureFile(const QString &path)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refusedToOpen(errno);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(PictureProblem::cannotOpen,
            QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString()));
    }
    struct stat status { };
    if (::fstat(fd, &status) != 0)
        return refusedToOpen(errno);
    if (!S_ISREG(status.st_mode))
        return refused(PictureProblem::notRegularFile,
            QStringLiteral("通常のファイルではなく、%1です。").arg(kindOf(status.st_mode)));

    // The reader fills missing rows in without a word; the header tells how
    // many bytes there must be.
    if (const auto layout = readBmpLayout(file.peek(64));
        layout && layout->bytesNeeded > qint64(status.st_size))
        return refused(PictureProblem::truncated,
            QStringLiteral("画素のデータが途中で切れています。%1 × %2 ピクセルの絵には "
                           "%3 バイト必要ですが、ファイルは %4 バイトしかありません。")
                .arg(layout->width)
                .arg(layout->height)
                .arg(layout->bytesNeeded)
                .arg(qint64(status.st_size)));

    // Told by the content: a bitmap, or a picture of another kind named ".bmp".
    QImageReader reader(&file);
    PictureRead read;
    if (!reader.read(&read.image))
        return refused(PictureProblem::notAPicture);
    return read;
}

} // namespace ui
