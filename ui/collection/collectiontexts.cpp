#include "ui/collection/collectiontexts.h"

#include "ui/common/texts.h"

#include <QDateTime>
#include <QDir>

namespace ui {

QString collectionMessage(const records::CollectionStore &store)
{
    using safefile::Status;
    const QString file = QDir::toNativeSeparators(store.filePath());
    const QString reason = systemReason(store.error());
    switch (store.status()) {
    case Status::freshStart:
    case Status::loaded: return {};
    case Status::keptAside:
        return QStringLiteral(
            "リーチ目コレクションのファイルが壊れていたので %1 に残し、新しく集め始めます。")
            .arg(QDir::toNativeSeparators(store.asidePath()));
    case Status::newerVersion:
        return QStringLiteral("リーチ目コレクションのファイル %1 "
                              "は新しい版のものです。そのままにして、集めた出目は保存しません。")
            .arg(file);
    case Status::damagedNotMoved:
        return QStringLiteral("リーチ目コレクションのファイル %1 "
                              "が壊れていて、よけることもできません（%2）。集めた出目は保存しませ"
                              "ん。")
            .arg(file, reason);
    case Status::notReadable:
        return QStringLiteral("リーチ目コレクションのファイル %1 "
                              "を読めません（%2）。そのままにして、集めた出目は保存しません。")
            .arg(file, reason);
    case Status::notRegular:
        return QStringLiteral("リーチ目コレクションのファイル %1 "
                              "は普通のファイルではありません。そのままにして、集めた出目は保存し"
                              "ません。")
            .arg(file);
    case Status::notWritable:
        return QStringLiteral("フォルダー %1 に書き込めないので、集めた出目は保存しません。")
            .arg(QDir::toNativeSeparators(store.folder()));
    case Status::lockUnavailable:
        return QStringLiteral(
            "リーチ目コレクションのロック %1 を取れません（%2）。集めた出目は保存しません。")
            .arg(QDir::toNativeSeparators(store.lockPath()), reason);
    case Status::lockedByOther:
        return QStringLiteral("ほかで開いているプログラムがリーチ目コレクションを使っています。"
                              "こちらは読むだけで、ここで集めた出目は保存しません。");
    case Status::saveFailed:
        return QStringLiteral("リーチ目コレクションを %1 "
                              "に保存できませんでした（%2）。前に保存したコレクションは残っていま"
                              "す。")
            .arg(file, reason);
    }
    return {};
}

QString sightingText(const records::Sighting &sighting)
{
    return QStringLiteral("%1（%2 ゲーム目）")
        .arg(QDateTime::fromSecsSinceEpoch(sighting.time)
                 .toLocalTime()
                 .toString(QStringLiteral("yyyy/MM/dd HH:mm")))
        .arg(sighting.game);
}

} // namespace ui
