#include "ui/common/texts.h"

#include "judge/table.h"

#include <QLocale>
#include <QStringList>

#include <cerrno>
#include <cstring>

namespace ui {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString cellsText(const judge::Pattern &pattern)
{
    return QStringLiteral("%1 %2 %3").arg(pattern.left).arg(pattern.centre).arg(pattern.right);
}

QString describePattern(const judge::Pattern &pattern)
{
    const judge::Grid grid = judge::gridFor(pattern.left, pattern.centre, pattern.right);
    const QString reelNames[3]
        = { QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右") };
    QStringList reels;
    for (std::size_t reel = 0; reel < 3; ++reel) {
        QString words = reelNames[reel];
        for (const auto &row : grid)
            words += u' ' + fromUtf8(judge::symbolWord(row[reel]));
        reels << words;
    }
    return cellsText(pattern) + QStringLiteral(": ") + reels.join(QStringLiteral("、"));
}

QString resultLines(judge::Code code)
{
    return fromUtf8(judge::message(code).yakumei)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString resultLine(judge::Code code)
{
    return fromUtf8(judge::message(code).yakumei)
        .replace(QStringLiteral("\r\n"), QStringLiteral("　"));
}

QString groupCounts(const judge::ResultGroup &group)
{
    const double share = 100.0 * group.total / judge::kPatterns;
    return QStringLiteral("%1 / %2 通り（全体の %3 %）")
        .arg(group.patterns.size())
        .arg(group.total)
        .arg(QLocale::c().toString(share, 'f', 2));
}

QString systemReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("ディスクに空きがありません");
    case EACCES:
    case EPERM: return QStringLiteral("許可がありません");
    case EROFS: return QStringLiteral("読み込み専用の場所です");
    case EISDIR: return QStringLiteral("フォルダーになっています");
    case EFBIG: return QStringLiteral("ファイルが大きすぎます");
    case ENOENT: return QStringLiteral("見つかりません");
    case ELOOP: return QStringLiteral("リンクがたどれません");
    case EIO: return QStringLiteral("読み書きができませんでした");
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace ui
