// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solver.h"

#include "cardset.h"
#include "splitmix.h"

#include <algorithm>

namespace {
// Everything the rest of a game depends on, as two independent hashes: where each card lies,
// the unbeaten card, the stock's order, the state and its flags.
void KeyOf(const TGame& g, std::uint64_t& key, std::uint32_t& check) {
    const TPosition& p = g.P;
    const std::uint64_t hands[2] = {p.Hands[0].Set(), p.Hands[1].Set()};
    const std::uint64_t attack = SetOf(p.Table.Attack);
    const std::uint64_t defence = SetOf(p.Table.Defence);
    const std::uint64_t unbeaten = p.Table.HasUnbeaten() ? p.Table.UnbeatenCard().Bit() + 1 : 0;
    const std::uint64_t flags =
        std::uint64_t(p.State) | std::uint64_t(g.Actor() == acCPU) << 4 |
        std::uint64_t(p.FirstBout) << 5 | std::uint64_t(g.ButtonEnabled()) << 6 |
        std::uint64_t(p.Transfers) << 7 | unbeaten << 8 | std::uint64_t(p.Stock.Count()) << 16 |
        std::uint64_t(p.Stock.Cards[0].Bit()) << 24;
    std::uint64_t a = HashMix(0x1234567, hands[0]);
    std::uint64_t b = HashMix(0x7654321, hands[1]);
    a = HashMix(a, hands[1]);
    b = HashMix(b, hands[0]);
    a = HashMix(a, attack);
    b = HashMix(b, defence);
    a = HashMix(a, defence);
    b = HashMix(b, attack);
    a = HashMix(a, flags);
    b = HashMix(b, flags);
    for (int i = 1; i < p.Stock.Count(); ++i) {
        a = HashMix(a, p.Stock.Cards[i].Bit());
        b = HashMix(b, p.Stock.Cards[i].Bit() + 64);
    }
    key = a;
    check = std::uint32_t(b >> 32);
}

// A copy of the game with no view, the choice made, stopped at the next choice.
TGame After(const TGame& game, TChoicePoint point, int choice) {
    TGame g = game;
    g.View = nullptr;
    MakeChoice(g, point.Seat, choice);
    return g;
}
} // namespace

int OutcomeValue(TOutcome outcome) {
    switch (outcome) {
    case ocWon:
        return 1;
    case ocLost:
        return -1;
    default:
        return 0;
    }
}

TEndgameSolver::TEndgameSolver(int tableBits) : FTable(tableBits) {}

void TEndgameSolver::Clear() {
    FTable.Clear();
}

void TEndgameSolver::Start(long maxNodes) {
    FNodes = 0;
    FLimit = maxNodes;
    FAborted = false;
    FPath.clear();
}

int TEndgameSolver::Search(const TGame& g, int alpha, int beta) {
    if (g.P.State == gsOver)
        return OutcomeValue(g.Outcome);
    if (++FNodes > FLimit) {
        FAborted = true;
        return 0;
    }
    std::uint64_t key;
    std::uint32_t check;
    KeyOf(g, key, check);
    // Passing the attack on can bring a position back; a search that meets one on its own path
    // gives up rather than go round for ever (the throw-in game never repeats one).
    struct TOnPath {
        std::vector<std::uint64_t>* Path = nullptr;
        ~TOnPath() {
            if (Path)
                Path->pop_back();
        }
    } onPath;
    if (g.P.Transfers) {
        if (std::find(FPath.begin(), FPath.end(), key) != FPath.end()) {
            FAborted = true;
            return 0;
        }
        FPath.push_back(key);
        onPath.Path = &FPath;
    }
    const TBounds known = FTable.Probe(key, check);
    if (known.Exact() || known.Lower >= beta)
        return known.Lower;
    if (known.Upper <= alpha)
        return known.Upper;
    alpha = std::max(alpha, known.Lower);
    beta = std::min(beta, known.Upper);
    const int ttMove = known.Move;
    const int alpha0 = alpha;
    const int beta0 = beta;

    TChoicePoint point;
    ChoiceDue(g, point);
    TChoices choices = ListChoices(g, point);
    std::int8_t* first = choices.Items.data();
    std::stable_sort(first, first + choices.Count, [&](int x, int y) {
        if ((x == ttMove) != (y == ttMove))
            return x == ttMove;
        return ChoiceCost(g, point.Seat, x) < ChoiceCost(g, point.Seat, y);
    });

    const bool maxing = point.Seat == ptMan;
    int best = maxing ? LostValue - 1 : WonValue + 1;
    int bestMove = NoMove;
    for (int k = 0; k < choices.Count; ++k) {
        TGame child = g;
        MakeChoice(child, point.Seat, choices.Items[k]);
        const int v = Search(child, alpha, beta);
        if (FAborted)
            return 0;
        if (maxing ? v > best : v < best) {
            best = v;
            bestMove = choices.Items[k];
        }
        if (maxing)
            alpha = std::max(alpha, v);
        else
            beta = std::min(beta, v);
        if (alpha >= beta)
            break;
    }

    FTable.Store(key, check, alpha0, beta0, best, bestMove);
    return best;
}

bool TEndgameSolver::Value(const TGame& game, long maxNodes, int& value) {
    Start(maxNodes);
    TGame g = game;
    g.View = nullptr;
    value = Search(g, -1, 1);
    return !FAborted;
}

bool TEndgameSolver::ValueEach(const TGame& game, TChoicePoint point, long maxNodes, int* values) {
    Start(maxNodes);
    const TChoices choices = ListChoices(game, point);
    const int sign = point.Seat == ptMan ? 1 : -1;
    for (int k = 0; k < choices.Count; ++k) {
        TGame g = After(game, point, choices.Items[k]);
        values[k] = sign * Search(g, -1, 1);
        if (FAborted)
            return false;
    }
    return true;
}

bool TEndgameSolver::Best(const TGame& game, TChoicePoint point, long maxNodes, int& choice,
                          int& value) {
    Start(maxNodes);
    const TChoices choices = ListChoices(game, point);
    value = LostValue - 1;
    choice = choices.Items[0];
    for (int k = 0; k < choices.Count; ++k) {
        TGame g = After(game, point, choices.Items[k]);
        // Only a better value than the best so far matters: a window just above it.
        const int v = point.Seat == ptMan ? Search(g, std::max(value, -1), 1)
                                          : -Search(g, -1, std::min(-value, 1));
        if (FAborted)
            return false;
        if (v > value) {
            value = v;
            choice = choices.Items[k];
            if (value == 1)
                break;
        }
    }
    return true;
}
