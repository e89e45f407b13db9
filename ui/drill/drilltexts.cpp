#include "ui/drill/drilltexts.h"

#include "judge/table.h"
#include "ui/common/texts.h"

#include <QDir>
#include <QStringList>

namespace ui {

QString categoryCaption(judge::Category category)
{
    return QString::number(judge::number(category)) + u' '
        + fromUtf8(judge::categoryName(category));
}

QString feedbackText(const drill::Outcome &outcome)
{
    const judge::Pattern p = outcome.pattern;
    const judge::Code code = judge::judge(p.left, p.centre, p.right);
    // The pattern's own category first, then any other a look-alike has.
    const judge::Category own = judge::categoryOf(code);
    QStringList right { categoryCaption(own) };
    for (judge::Category category : judge::kCategories)
        if (category != own && outcome.rightCategories.test(std::size_t(judge::number(category))))
            right << categoryCaption(category);

    QString verdict;
    if (outcome.right)
        verdict = QStringLiteral("正解　");
    else if (!outcome.chosen)
        verdict = QStringLiteral("不正解（時間切れ）　正しくは ");
    else
        verdict = QStringLiteral("不正解　正しくは ");
    verdict += right.join(QStringLiteral("、"));

    QStringList lines { verdict, resultLines(code) };
    const QString cheer = fromUtf8(judge::message(code).tamaya);
    if (!cheer.isEmpty())
        lines << cheer;
    if (!outcome.sameLook.empty()) {
        lines << QStringLiteral("%1 と同じ見た目の出目があります：").arg(cellsText(p));
        for (const judge::Pattern &other : outcome.sameLook) {
            const judge::Code otherCode = judge::judge(other.left, other.centre, other.right);
            lines << cellsText(other) + QStringLiteral("　")
                    + categoryCaption(judge::categoryOf(otherCode)) + QStringLiteral("　")
                    + resultLines(otherCode).replace(u'\n', u' ');
        }
    }
    return lines.join(u'\n');
}

QString storeMessage(drill::StoreStatus status, const drill::ProgressStore &store)
{
    using drill::StoreStatus;
    const QString file = QDir::toNativeSeparators(store.filePath());
    const QString reason = systemReason(store.error());
    switch (status) {
    case StoreStatus::freshStart:
    case StoreStatus::loaded: return {};
    case StoreStatus::keptAside:
        return QStringLiteral("記録のファイルが壊れていたので %1 に残し、新しく始めます。")
            .arg(QDir::toNativeSeparators(store.asidePath()));
    case StoreStatus::newerVersion:
        return QStringLiteral(
            "記録のファイル %1 は新しい版のものです。そのままにして、記録せずに練習します。")
            .arg(file);
    case StoreStatus::damagedNotMoved:
        return QStringLiteral("記録のファイル %1 "
                              "が壊れていて、よけることもできません（%2）。記録せずに練習します。")
            .arg(file, reason);
    case StoreStatus::notReadable:
        return QStringLiteral(
            "記録のファイル %1 を読めません（%2）。そのままにして、記録せずに練習します。")
            .arg(file, reason);
    case StoreStatus::notRegular:
        return QStringLiteral(
            "記録のファイル %1 "
            "は普通のファイルではありません。そのままにして、記録せずに練習します。")
            .arg(file);
    case StoreStatus::notWritable:
        return QStringLiteral("フォルダー %1 に書き込めないので、記録せずに練習します。")
            .arg(QDir::toNativeSeparators(store.folder()));
    case StoreStatus::lockUnavailable:
        return QStringLiteral("記録のロック %1 を取れません（%2）。記録せずに練習します。")
            .arg(QDir::toNativeSeparators(store.lockPath()), reason);
    case StoreStatus::lockedByOther:
        return QStringLiteral(
            "ほかで開いている練習が記録を使っています。こちらは読むだけで、記録しません。");
    case StoreStatus::saveFailed:
        return QStringLiteral(
            "記録を %1 に保存できませんでした（%2）。前に保存した記録は残っています。")
            .arg(file, reason);
    }
    return {};
}

} // namespace ui
