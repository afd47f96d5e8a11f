// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notation.h"

#include "legality.h"

#include <vector>

namespace {
constexpr std::string_view Ranks[9] = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
constexpr std::string_view Suits = "CDHS";

std::string Quoted(std::string_view what, std::string_view text) {
    return std::string(what) + " \"" + std::string(text) + "\"";
}

// The words of a text, split at spaces.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        out.push_back(text.substr(i, end - i));
        i = end;
    }
    return out;
}

void LayInOrder(const TCardList& attack, const TCardList& defence, std::vector<TCardId>& out) {
    for (int k = 0; k < attack.size(); ++k) {
        out.push_back(attack[k]);
        if (k < defence.size())
            out.push_back(defence[k]);
    }
}
} // namespace

std::string ParseSuit(std::string_view text, TCardSuit& suit) {
    const std::size_t s = text.size() == 1 ? Suits.find(text[0]) : std::string_view::npos;
    if (s == std::string_view::npos)
        return Quoted("not a suit (C D H S):", text);
    suit = TCardSuit(s);
    return {};
}

std::string ParseCard(std::string_view text, TCardId& card) {
    if (text.size() < 2)
        return Quoted("not a card:", text);
    TCardSuit suit = 0;
    if (!ParseSuit(text.substr(text.size() - 1), suit).empty())
        return Quoted("not a card (bad suit):", text);
    const std::string_view rank = text.substr(0, text.size() - 1);
    for (int v = 0; v < 9; ++v) {
        if (Ranks[v] == rank) {
            card = {suit, TCardValue(v)};
            return {};
        }
    }
    return Quoted("not a card (bad rank):", text);
}

std::string ParseCards(std::string_view text, TCardList& cards) {
    cards.clear();
    for (const std::string_view word : Words(text)) {
        TCardId c{};
        if (std::string why = ParseCard(word, c); !why.empty())
            return why + " in " + Quoted("", text).substr(1);
        if (cards.contains(c))
            return Quoted("a card twice:", word) + " in " + Quoted("", text).substr(1);
        cards.push_back(c);
    }
    return {};
}

std::string ParseTable(std::string_view text, TCardList& attack, TCardList& defence) {
    attack.clear();
    defence.clear();
    const std::vector<std::string_view> bouts = Words(text);
    bool unbeaten = false;
    for (std::size_t b = 0; b < bouts.size(); ++b) {
        const std::string_view bout = bouts[b];
        const std::size_t slash = bout.find('/');
        if (slash != std::string_view::npos && bout.find('/', slash + 1) != std::string_view::npos)
            return Quoted("a bout with two beaters:", bout);
        TCardId a{};
        if (std::string why = ParseCard(bout.substr(0, slash), a); !why.empty())
            return why + " in the bout " + Quoted("", bout).substr(1);
        attack.push_back(a);
        // Unbeaten cards close the row: several while one takes, or a row passed on.
        if (slash == std::string_view::npos) {
            unbeaten = true;
            continue;
        }
        if (unbeaten)
            return Quoted("an unbeaten card before other bouts:", bouts[b - 1]);
        TCardId d{};
        if (std::string why = ParseCard(bout.substr(slash + 1), d); !why.empty())
            return why + " in the bout " + Quoted("", bout).substr(1);
        defence.push_back(d);
    }
    if (attack.size() > 6)
        return Quoted("more than six attacking cards:", text);
    return {};
}

std::string CardName(TCardId card) {
    return std::string(Ranks[card.Value]) + Suits[card.Suit];
}

std::string CardNames(const TCardList& cards) {
    std::string out;
    for (const TCardId c : cards)
        out += (out.empty() ? "" : " ") + CardName(c);
    return out;
}

std::string TableNames(const TTable& table) {
    std::string out;
    for (int k = 0; k < table.AttackCount(); ++k) {
        out += (k ? " " : "") + CardName(table.Attack[k]);
        if (k < table.DefenceCount())
            out += "/" + CardName(table.Defence[k]);
    }
    return out;
}

std::int8_t AttackerFor(TGameState state) {
    switch (state) {
    case gsManAttack:
    case gsCPUTakes:
        return ptMan;
    case gsCPUAttack:
    case gsManTakes:
        return ptCPU;
    default:
        return -1;
    }
}

std::string MakeDeal(const TWrittenPosition& written, TDeal& deal) {
    TCardList man, cpu, attack, defence, next;
    std::string why;
    if (!(why = ParseCards(written.Man, man)).empty() ||
        !(why = ParseCards(written.Cpu, cpu)).empty() ||
        !(why = ParseTable(written.Table, attack, defence)).empty() ||
        !(why = ParseCards(written.Next, next)).empty())
        return why;
    if (written.Stock < 0 || written.Stock > 36)
        return "a stock of " + std::to_string(written.Stock) + " cards";
    if (next.size() > std::max(written.Stock - 1, 0))
        return Quoted("more next cards than the stock holds above its trump card:", written.Next);

    // Every card in one place only.
    std::vector<TCardId> placed;
    LayInOrder(attack, defence, placed);
    const std::vector<TCardId> table = placed;
    for (const TCardList* list : {&man, &cpu, &next})
        placed.insert(placed.end(), list->begin(), list->end());
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t k = 0; k < i; ++k)
            if (placed[k] == placed[i])
                return Quoted("a card in two places:", CardName(placed[i]));

    // The card under the stock.
    TCardId bottom{};
    bool bottomPlaced = false; // the trump card itself was drawn: only when the stock is empty
    if (written.Trump.size() == 1) {
        TCardSuit suit = 0;
        if (!(why = ParseSuit(written.Trump, suit)).empty())
            return why;
        bool found = false;
        for (int v = 0; v < 9 && !found; ++v) {
            const TCardId c{suit, TCardValue(v)};
            bool used = false;
            for (const TCardId p : placed)
                used = used || p == c;
            if (!used) {
                bottom = c;
                found = true;
            }
        }
        if (!found)
            return Quoted("no card of the trump suit left for the bottom:", written.Trump);
    } else {
        if (!(why = ParseCard(written.Trump, bottom)).empty())
            return why;
        for (const TCardId p : placed)
            bottomPlaced = bottomPlaced || p == bottom;
        if (next.contains(bottom) || (bottomPlaced && written.Stock > 0))
            return Quoted("the trump card is in the stock and elsewhere:", written.Trump);
    }

    for (int k = 0; k < defence.size(); ++k)
        if (!Beats(defence[k], attack[k], bottom.Suit))
            return "the beater " + CardName(defence[k]) + " does not beat " + CardName(attack[k]);

    // The rest, lowest numbers first: what fills the stock and what was discarded.
    std::vector<TCardId> rest;
    for (int n = 0; n < 39; ++n) {
        const TCardId c = TCardId::FromNomber(n);
        if (n % 10 == 9 || c == bottom)
            continue;
        bool used = false;
        for (const TCardId p : placed)
            used = used || p == c;
        if (!used)
            rest.push_back(c);
    }
    const int fill = std::max(written.Stock - 1, 0) - next.size();
    if (fill > int(rest.size()))
        return "no room for a stock of " + std::to_string(written.Stock) +
               " beside the cards dealt";

    // Bottom up: the trump card, the filling, the next cards (the first on top).
    std::vector<TCardId> order = {bottom};
    order.insert(order.end(), rest.begin(), rest.begin() + fill);
    for (int i = next.size() - 1; i >= 0; --i)
        order.push_back(next[i]);
    // From the top down, as the stock gives them: the table in laying order, the hands, the
    // discarded cards.
    std::vector<TCardId> gone = table;
    gone.insert(gone.end(), man.begin(), man.end());
    gone.insert(gone.end(), cpu.begin(), cpu.end());
    gone.insert(gone.end(), rest.begin() + fill, rest.end());
    if (bottomPlaced) {
        for (std::size_t i = 0; i < gone.size(); ++i)
            if (gone[i] == bottom) {
                gone.erase(gone.begin() + std::ptrdiff_t(i));
                break;
            }
    }
    if (order.size() + gone.size() != 36)
        return "the deal does not hold the 36 cards";
    for (std::size_t k = 0; k < gone.size(); ++k)
        order.push_back(gone[gone.size() - 1 - k]);

    deal = {};
    for (int i = 0; i < 36; ++i) {
        const TCardId c = order[std::size_t(i)];
        deal.Order[std::size_t(i)] = c;
        TDealtTo to = dtDiscard;
        if (i < written.Stock)
            to = dtStock;
        else if (man.contains(c))
            to = dtMan;
        else if (cpu.contains(c))
            to = dtCpu;
        else if (attack.contains(c))
            to = dtAttack;
        else if (defence.contains(c))
            to = dtDefence;
        deal.To[std::size_t(i)] = to;
    }
    deal.Stock = written.Stock;
    deal.FirstBout = written.FirstBout;
    deal.Transfers = written.Transfers;
    deal.State = written.State;
    return {};
}

void ApplyDeal(const TDeal& deal, TPosition& p) {
    p = TPosition{};
    p.Stock.SetCards(deal.Order, 36);
    const TCardSuit trump = p.Trump();
    TCardId c{};
    while (p.Stock.Count() > deal.Stock && p.Stock.PopCard(c)) {
        switch (deal.To[std::size_t(p.Stock.Count())]) {
        case dtMan:
            p.Hands[ptMan].AddCard(c, trump);
            break;
        case dtCpu:
            p.Hands[ptCPU].AddCard(c, trump);
            break;
        case dtAttack:
            p.Table.PutAttack(c);
            break;
        case dtDefence:
            p.Table.PutDefence(c);
            break;
        default:
            break;
        }
    }
    p.FirstBout = deal.FirstBout;
    p.Transfers = deal.Transfers;
    p.Dealt = false;
    p.State = deal.State;
    p.Attacker = AttackerFor(deal.State);
}

std::string MakePosition(const TWrittenPosition& written, TPosition& p) {
    TDeal deal;
    if (std::string why = MakeDeal(written, deal); !why.empty())
        return why;
    ApplyDeal(deal, p);
    return {};
}
