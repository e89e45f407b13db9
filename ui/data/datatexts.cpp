#include "ui/data/datatexts.h"

namespace ui::data {

QString bonusWord(machine::Bonus kind)
{
    return kind == machine::Bonus::big ? QStringLiteral("BIG") : QStringLiteral("REG");
}

QString oneInText(double oneIn)
{
    if (oneIn <= 0)
        return QStringLiteral("—");
    return QStringLiteral("1/%1").arg(oneIn, 0, 'f', 1);
}

QString percentText(double probability)
{
    const double percent = 100 * probability;
    if (percent > 0 && percent < 0.05)
        return QStringLiteral("< 0.1 %");
    return QStringLiteral("%1 %").arg(percent, 0, 'f', 1);
}

QString averageGamesText(std::optional<double> games)
{
    if (!games)
        return QStringLiteral("—");
    return QStringLiteral("%1 G").arg(*games, 0, 'f', 1);
}

QString coinsText(std::int64_t coins)
{
    return coins > 0 ? QStringLiteral("+%1").arg(coins) : QString::number(coins);
}

QString bonusLine(const records::BonusRecord &bonus)
{
    const QString carried = bonus.carriedGames ? QStringLiteral("%1 G").arg(*bonus.carriedGames)
                                               : QStringLiteral("不明");
    return QStringLiteral("%1　%2 G目　ゲーム数 %3　持ち越し %4　リーチ目 %5")
        .arg(bonusWord(bonus.kind))
        .arg(bonus.game)
        .arg(bonus.gameCount)
        .arg(carried)
        .arg(bonus.reachMe.size());
}

} // namespace ui::data
