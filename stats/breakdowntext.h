// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "breakdown.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The detailed statistics as the table shows them: a row per opponent and rule set, a row
// for games counted before the breakdown was kept (only when there are such), the totals.
inline constexpr int BreakdownColumns = 8;
QStringList BreakdownHeader();
std::vector<QStringList> BreakdownRows(const TBreakdown& breakdown, std::int32_t wins,
                                       std::int32_t lose, std::int32_t draw,
                                       const QLocale& locale = QLocale::system());

// "3 победы", "5 поражений", "—" after a draw or before any game.
QString StreakText(std::int32_t streak);
