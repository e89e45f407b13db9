#include "ui/play/playtexts.h"

#include "ui/common/texts.h"

#include <QDir>

namespace ui {

QString callText(play::Call call)
{
    switch (call) {
    case play::Call::right: return QStringLiteral("察知成功！　ボーナスが入っています。");
    case play::Call::wrong: return QStringLiteral("はずれ。ボーナスはまだ入っていません。");
    case play::Call::alreadyMade: return QStringLiteral("このボーナスはもう察知しています。");
    case play::Call::nothingToNotice: return QStringLiteral("いまは察知するものがありません。");
    }
    return {};
}

QString settingText(int setting, bool shown)
{
    // Full-width, as the machine's own displays write a digit.
    return QStringLiteral("設定 ")
        + (shown ? QString(QChar(u'０' + setting)) : QStringLiteral("？"));
}

QString seedText(std::uint64_t seed) { return QStringLiteral("シード %1").arg(seed); }

QString sittingMessage(const play::SessionStore &store)
{
    using safefile::Status;
    const QString file = QDir::toNativeSeparators(store.filePath());
    const QString reason = systemReason(store.error());
    switch (store.status()) {
    case Status::freshStart:
    case Status::loaded: return {};
    case Status::keptAside:
        return QStringLiteral("台の記録が壊れていたので %1 に残し、新しい台で始めます（%2）。")
            .arg(QDir::toNativeSeparators(store.asidePath()), store.reason());
    case Status::newerVersion:
        return QStringLiteral(
            "台の記録 %1 は新しい版のものです。そのままにして、記録せずに遊びます。")
            .arg(file);
    case Status::damagedNotMoved:
        return QStringLiteral(
            "台の記録 %1 が壊れていて、よけることもできません（%2）。記録せずに遊びます。")
            .arg(file, reason);
    case Status::notReadable:
        return QStringLiteral(
            "台の記録 %1 を読めません（%2）。そのままにして、記録せずに遊びます。")
            .arg(file, reason);
    case Status::notRegular:
        return QStringLiteral(
            "台の記録 %1 は普通のファイルではありません。そのままにして、記録せずに遊びます。")
            .arg(file);
    case Status::notWritable:
        return QStringLiteral("フォルダー %1 に書き込めないので、記録せずに遊びます。")
            .arg(QDir::toNativeSeparators(QFileInfo(store.filePath()).absolutePath()));
    case Status::lockUnavailable:
        return QStringLiteral("台の記録のロックを取れません（%1）。記録せずに遊びます。")
            .arg(reason);
    case Status::lockedByOther:
        return QStringLiteral(
            "ほかで開いている実戦が台を使っています。こちらは記録せずに遊びます。");
    case Status::saveFailed:
        return QStringLiteral(
            "台の記録を %1 に保存できませんでした（%2）。前に保存したゲームは残っています。")
            .arg(file, reason);
    }
    return {};
}

QString historyMessage(const play::SessionStore &store)
{
    using safefile::Status;
    const records::HistoryFile &history = store.history();
    if (safefile::readOnly(store.status()))
        return {};
    const QString file = QDir::toNativeSeparators(history.filePath());
    const QString reason = systemReason(history.error());
    switch (history.status()) {
    case Status::freshStart:
    case Status::loaded: return {};
    case Status::keptAside:
        return QStringLiteral("ゲームの履歴を %1 に残し、新しく書き始めます（%2）。")
            .arg(QDir::toNativeSeparators(history.asidePath()),
                QString::fromStdString(history.reason()));
    case Status::saveFailed:
        return QStringLiteral(
            "ゲームの履歴を %1 に書けませんでした（%2）。次のゲームのあとでまた書きます。")
            .arg(file, reason);
    default:
        return QStringLiteral(
            "ゲームの履歴 %1 を読めないか書けません（%2）。履歴は書かずに遊びます。")
            .arg(file, history.error() ? reason : QStringLiteral("普通のファイルではありません"));
    }
}

SeedInput readSeed(const QString &text)
{
    QString digits;
    for (const QChar c : text.trimmed()) {
        // Full-width digits count as their ASCII forms, as in the main window.
        if (c >= u'０' && c <= u'９')
            digits += QChar(u'0' + (c.unicode() - u'０'));
        else
            digits += c;
    }
    if (digits.isEmpty())
        return {};
    bool ok = false;
    const qulonglong seed = digits.toULongLong(&ok);
    const bool allDigits
        = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!ok || !allDigits)
        return { false, std::nullopt };
    return { true, std::uint64_t(seed) };
}

} // namespace ui
