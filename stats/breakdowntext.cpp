// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "breakdowntext.h"

#include "numformat.h"

namespace {
// The Russian plural of a count: one, few (2-4), many.
QString Plural(std::int64_t n, const char* one, const char* few, const char* many) {
    const std::int64_t tens = n % 100;
    const std::int64_t units = n % 10;
    const char* word = (tens >= 11 && tens <= 14)   ? many
                       : units == 1                 ? one
                       : (units >= 2 && units <= 4) ? few
                                                    : many;
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(word);
}

QString Share(std::int32_t count, std::int32_t total, const QLocale& locale) {
    // No share of no games (or of counters edited below zero).
    if (total <= 0)
        return QString::number(count);
    return vesk::ShareText(count, total, locale).trimmed();
}

QStringList Row(const QString& opponent, const QString& rules, std::int32_t wins, std::int32_t lose,
                std::int32_t draw, const QString& best, const QString& streak,
                const QLocale& locale) {
    const std::int32_t games = vesk::WrappingSum(wins, lose, draw);
    return {opponent,
            rules,
            QString::number(games),
            Share(wins, games, locale),
            Share(lose, games, locale),
            Share(draw, games, locale),
            best,
            streak};
}
} // namespace

QString StreakText(std::int32_t streak) {
    if (streak > 0)
        return Plural(streak, "победа", "победы", "побед");
    if (streak < 0)
        return Plural(-std::int64_t(streak), "поражение", "поражения", "поражений");
    return QStringLiteral("—");
}

QStringList BreakdownHeader() {
    return {QStringLiteral("Соперник"),     QStringLiteral("Игра"),
            QStringLiteral("Партий"),       QStringLiteral("Выигрыши"),
            QStringLiteral("Проигрыши"),    QStringLiteral("Ничьи"),
            QStringLiteral("Лучшая серия"), QStringLiteral("Текущая серия")};
}

std::vector<QStringList> BreakdownRows(const TBreakdown& breakdown, std::int32_t wins,
                                       std::int32_t lose, std::int32_t draw,
                                       const QLocale& locale) {
    static const QString Opponents[] = {QStringLiteral("Обычный"), QStringLiteral("Сильный")};
    static const QString RuleSets[] = {QStringLiteral("Подкидной"), QStringLiteral("Переводной")};
    std::vector<QStringList> rows;
    TRecord sum;
    for (int o = 0; o < TBreakdown::OpponentCount; ++o)
        for (int r = 0; r < TBreakdown::RuleSetCount; ++r) {
            const TRecord& rec = breakdown.At(TOpponent(o), TRuleSet(r));
            rows.push_back(Row(Opponents[o], RuleSets[r], rec.Wins, rec.Lose, rec.Draw,
                               QString::number(rec.BestStreak), StreakText(rec.Streak), locale));
            sum.Wins = vesk::WrappingSum(sum.Wins, rec.Wins, 0);
            sum.Lose = vesk::WrappingSum(sum.Lose, rec.Lose, 0);
            sum.Draw = vesk::WrappingSum(sum.Draw, rec.Draw, 0);
        }
    // Counted by an earlier version, or by hand in the file: shown apart, so that the rows
    // add up to the totals.
    if (sum.Wins != wins || sum.Lose != lose || sum.Draw != draw) {
        const auto rest = [](std::int32_t total, std::int32_t part) {
            return std::int32_t(std::uint32_t(total) - std::uint32_t(part));
        };
        rows.push_back(Row(QStringLiteral("Без разбивки"), QString(), rest(wins, sum.Wins),
                           rest(lose, sum.Lose), rest(draw, sum.Draw), QString(), QString(),
                           locale));
    }
    rows.push_back(
        Row(QStringLiteral("Всего"), QString(), wins, lose, draw, QString(), QString(), locale));
    return rows;
}
