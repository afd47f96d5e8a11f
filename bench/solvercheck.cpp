// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The endgame solver against plain minimax on random positions with an empty stock: the value
// of each position and the value of the solver's chosen card must agree.
#include "endgames.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int want = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int maxCards = argc > 2 ? std::atoi(argv[2]) : 10;
    TEndgameSolver solver;
    int positions = 0, agree = 0, choiceAgree = 0;
    long bruteNodes = 0, solverNodes = 0;
    for (std::uint32_t seed = 1; positions < want; ++seed) {
        TGame g;
        if (!endgames::RandomEndgame(seed, maxCards, g))
            continue;
        ++positions;
        long nodes = 0;
        const int brute = endgames::BruteValue(g, nodes);
        bruteNodes += nodes;
        solver.Clear();
        int value = 9;
        const bool solved = solver.Value(g, 100000000, value);
        solverNodes += solver.Nodes();
        agree += solved && value == brute;
        // The solver's choice keeps the value it claims.
        TChoicePoint point;
        ChoiceDue(g, point);
        int choice, mine;
        solver.Clear();
        solver.Best(g, point, 100000000, choice, mine);
        TGame after = g;
        MakeChoice(after, point.Seat, choice);
        long n2 = 0;
        const int got = endgames::BruteValue(after, n2) * (point.Seat == ptMan ? 1 : -1);
        const int best = brute * (point.Seat == ptMan ? 1 : -1);
        choiceAgree += mine == best && got == best;
        if (!(solved && value == brute) || !(mine == best && got == best))
            std::printf("seed %u: minimax %d, solver %d (choice %d worth %d, claimed %d)\n", seed,
                        brute, value, choice, got, mine);
    }
    std::printf("solver check: %d positions with an empty stock (at most %d cards in play): "
                "values agree on %d, chosen cards keep the best value on %d; minimax visited "
                "%ld positions, the solver %ld\n",
                positions, maxCards, agree, choiceAgree, bruteNodes, solverNodes);
    return agree == positions && choiceAgree == positions ? 0 : 1;
}
