// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The duel: seeded deals played headless, each twice with the seats swapped, the strong player
// against the computer's own rules. The last line is the result, in a form scripts can read.
#include "headless.h"
#include "strong.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <vector>

namespace {
// Times every choice of the policy it wraps.
class TTimedPolicy : public TPolicy {
public:
    explicit TTimedPolicy(TStrongPolicy& inner) : FInner(inner) {}
    TAction Choose(const TGame& game) override {
        return Timed([&] { return FInner.Choose(game); });
    }
    void NewDeal(const TGame& game) override { FInner.NewDeal(game); }

    std::vector<float> Millis;         // every choice
    std::vector<float> SearchedMillis; // choices with more than one way to go
    std::vector<float> SolvedMillis;
    std::vector<float> SampledMillis;
    std::vector<float> BoundedMillis;

private:
    // The thread's own processor time: one core's worth, whatever else the machine runs.
    static double ThreadMillis() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }
    template <class F> TAction Timed(F f) {
        const double t0 = ThreadMillis();
        const TAction r = f();
        const float ms = float(ThreadMillis() - t0);
        Millis.push_back(ms);
        if (FInner.LastMethod() != TStrongPolicy::mdOnly)
            SearchedMillis.push_back(ms);
        if (FInner.LastMethod() == TStrongPolicy::mdSolved)
            SolvedMillis.push_back(ms);
        if (FInner.LastMethod() == TStrongPolicy::mdSampled)
            SampledMillis.push_back(ms);
        if (FInner.LastMethod() == TStrongPolicy::mdBounded)
            BoundedMillis.push_back(ms);
        return r;
    }
    TStrongPolicy& FInner;
};

struct TTally {
    long Won = 0, Lost = 0, Drawn = 0, Failed = 0;
    std::vector<float> Millis, SearchedMillis, SolvedMillis, SampledMillis, BoundedMillis;
};

// Plays the deals first, first + step, ... below count; the strong player on both seats.
void PlayDeals(bool transfers, int first, int step, int count, std::uint32_t seedBase,
               TStrongSettings settings, TTally& tally, std::atomic<int>& done) {
    TStrongPolicy strong(settings);
    TTimedPolicy timed(strong);
    TRulePolicy rule;
    for (int d = first; d < count; d += step) {
        const std::uint32_t seed = seedBase + std::uint32_t(d);
        for (const TVeskPlayerType seat : {ptMan, ptCPU}) {
            TGame game;
            game.LastWinner = -1; // deals stay independent: the trump rule picks the leader
            TPolicy& man = seat == ptMan ? static_cast<TPolicy&>(timed) : rule;
            TPolicy& computer = seat == ptCPU ? static_cast<TPolicy&>(timed) : rule;
            const TOutcome o = PlayWholeGame(game, seed, man, computer, transfers);
            if (o == ocNone) {
                ++tally.Failed;
                continue;
            }
            const int v = OutcomeValue(o) * (seat == ptMan ? 1 : -1);
            (v > 0 ? tally.Won : v < 0 ? tally.Lost : tally.Drawn)++;
        }
        ++done;
    }
    tally.Millis = std::move(timed.Millis);
    tally.SearchedMillis = std::move(timed.SearchedMillis);
    tally.SolvedMillis = std::move(timed.SolvedMillis);
    tally.SampledMillis = std::move(timed.SampledMillis);
    tally.BoundedMillis = std::move(timed.BoundedMillis);
}

float Quantile(std::vector<float>& v, double q) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, std::size_t(q * double(v.size() - 1) + 0.5));
    return v[i];
}

// The Wilson score interval at 95 %.
void Wilson(long wins, long n, double& lo, double& hi) {
    if (n == 0) {
        lo = hi = 0;
        return;
    }
    const double z = 1.959964;
    const double p = double(wins) / double(n);
    const double d = 1 + z * z / double(n);
    const double c = (p + z * z / (2 * double(n))) / d;
    const double h =
        z * std::sqrt(p * (1 - p) / double(n) + z * z / (4.0 * double(n) * double(n))) / d;
    lo = c - h;
    hi = c + h;
}

void Usage() {
    std::fprintf(stderr, "usage: vesk_duel [--deals N] [--jobs J] [--seed S] [--samples K] "
                         "[--solver-nodes M] [--bounded-nodes B] [--weights CARD,TRUMP,VALUE,LEAD] "
                         "[--variant throw-in|transfer]\n");
}
} // namespace

int main(int argc, char** argv) {
    int deals = 2000;
    int jobs = 2;
    std::uint32_t seedBase = 1;
    TStrongSettings settings;
    bool transfers = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) {
            Usage();
            return 2;
        }
        const char* v = argv[++i];
        if (a == "--deals")
            deals = std::atoi(v);
        else if (a == "--jobs")
            jobs = std::max(1, std::atoi(v));
        else if (a == "--seed")
            seedBase = std::uint32_t(std::strtoul(v, nullptr, 10));
        else if (a == "--samples")
            settings.Samples = std::atoi(v);
        else if (a == "--solver-nodes")
            settings.SolverNodes = std::atol(v);
        else if (a == "--bounded-nodes")
            settings.BoundedNodes = std::atol(v);
        else if (a == "--weights" &&
                 std::sscanf(v, "%d,%d,%d,%d", &settings.Weights.Card, &settings.Weights.Trump,
                             &settings.Weights.Value, &settings.Weights.Lead) == 4) {
        } else if (a == "--variant" &&
                   (std::strcmp(v, "transfer") == 0 || std::strcmp(v, "throw-in") == 0))
            transfers = std::strcmp(v, "transfer") == 0;
        else {
            Usage();
            return 2;
        }
    }

    std::vector<TTally> tallies(static_cast<std::size_t>(jobs));
    std::atomic<int> done{0};
    std::vector<std::thread> threads;
    const auto t0 = std::chrono::steady_clock::now();
    for (int j = 0; j < jobs; ++j)
        threads.emplace_back(PlayDeals, transfers, j, jobs, deals, seedBase, settings,
                             std::ref(tallies[std::size_t(j)]), std::ref(done));
    for (std::thread& t : threads)
        t.join();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    TTally all;
    for (TTally& t : tallies) {
        all.Won += t.Won;
        all.Lost += t.Lost;
        all.Drawn += t.Drawn;
        all.Failed += t.Failed;
        auto join = [](std::vector<float>& to, const std::vector<float>& from) {
            to.insert(to.end(), from.begin(), from.end());
        };
        join(all.Millis, t.Millis);
        join(all.SearchedMillis, t.SearchedMillis);
        join(all.SolvedMillis, t.SolvedMillis);
        join(all.SampledMillis, t.SampledMillis);
        join(all.BoundedMillis, t.BoundedMillis);
    }
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf(
        "%s game, deals %d x 2 seats, seeds %u..%u, %d job(s), %.1f s; samples %d, solver nodes "
        "%ld, bounded nodes %ld, weights %d,%d,%d,%d\n",
        transfers ? "transfer" : "throw-in", deals, seedBase, seedBase + std::uint32_t(deals) - 1,
        jobs, wall, settings.Samples, settings.SolverNodes, settings.BoundedNodes,
        settings.Weights.Card, settings.Weights.Trump, settings.Weights.Value,
        settings.Weights.Lead);
    std::printf("choices %zu: %zu solved exactly, %zu sampled, %zu searched within a bound "
                "(too big to solve), the rest had one way to go\n",
                all.Millis.size(), all.SolvedMillis.size(), all.SampledMillis.size(),
                all.BoundedMillis.size());
    auto line = [](const char* name, std::vector<float>& v) {
        std::printf("%-16s median %7.2f ms, p90 %7.2f ms, p99 %7.2f ms, max %7.2f ms\n", name,
                    Quantile(v, 0.5), Quantile(v, 0.9), Quantile(v, 0.99), Quantile(v, 1.0));
    };
    line("all choices", all.Millis);
    line("searched", all.SearchedMillis);
    line("solved", all.SolvedMillis);
    line("sampled", all.SampledMillis);
    line("bounded", all.BoundedMillis);
    std::printf("peak memory %ld kB\n", u.ru_maxrss);
    if (all.Failed)
        std::printf("games that did not end: %ld\n", all.Failed);
    const long decided = all.Won + all.Lost;
    double lo, hi;
    Wilson(all.Won, decided, lo, hi);
    std::printf("strong: %ld won, %ld lost, %ld drawn; %.1f %% of decided games (95 %% CI "
                "%.1f-%.1f); decision median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                all.Won, all.Lost, all.Drawn,
                decided ? 100.0 * double(all.Won) / double(decided) : 0.0, 100 * lo, 100 * hi,
                Quantile(all.Millis, 0.5), Quantile(all.Millis, 0.99), Quantile(all.Millis, 1.0));
    return all.Failed ? 1 : 0;
}
