// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardid.h"
#include "cardlist.h"
#include "position.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Positions written as text in the tests, parsed in one place. Cards are rank then suit:
// "6C 10H QS AD" (clubs, diamonds, hearts, spades); the table is a list of bouts "7C/9C 8C"
// (attack/beater; a lone card is unbeaten and can only be the last bout). Every parser
// answers with an empty string, or with what is wrong, quoting the text.

std::string ParseCard(std::string_view text, TCardId& card);
std::string ParseCards(std::string_view text, TCardList& cards);
std::string ParseSuit(std::string_view text, TCardSuit& suit);
// The table's attacking and beating cards, in bout order.
std::string ParseTable(std::string_view text, TCardList& attack, TCardList& defence);

std::string CardName(TCardId card);
std::string CardNames(const TCardList& cards);
// The table written back as bouts.
std::string TableNames(const TTable& table);

// A position of a game under way.
struct TWrittenPosition {
    std::string Man;
    std::string Cpu;
    // The card under the stock, "6H"; or only its suit, "H": then the lowest card of the suit
    // that lies nowhere else.
    std::string Trump = "H";
    int Stock = 0;     // cards left in the stock, the trump card among them
    std::string Table; // bouts, "7C/9C 8C"
    bool FirstBout = false;
    std::string Next; // the top cards of the stock, the top one first
    // The roles follow: the person attacks in gsManAttack and gsCPUTakes, defends in
    // gsCPUAttack and gsManTakes.
    TGameState State = gsIdle;
    bool Transfers = false; // the transfer game
};

// Where a card that is no longer in the stock has gone.
enum TDealtTo : std::uint8_t { dtStock, dtMan, dtCpu, dtAttack, dtDefence, dtDiscard };

// All 36 cards of a position: the stock's order from the trump card at the bottom, and for
// every card above the stock's count where it has gone. Taken from the top down (as the
// stock gives them), the table's cards come in the order they were laid.
struct TDeal {
    std::array<TCardId, 36> Order{};
    std::array<TDealtTo, 36> To{};
    int Stock = 0;
    bool FirstBout = false;
    TGameState State = gsIdle;
    bool Transfers = false;
};

std::string MakeDeal(const TWrittenPosition& written, TDeal& deal);
// The position the deal leaves: the hands in hand order, the table, the stock, the state,
// the roles.
void ApplyDeal(const TDeal& deal, TPosition& p);
std::string MakePosition(const TWrittenPosition& written, TPosition& p);

// The seat a state has attacking; none (-1) before a game.
std::int8_t AttackerFor(TGameState state);
