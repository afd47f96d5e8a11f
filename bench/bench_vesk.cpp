// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmark table: engine calls, painting, whole games, idle and pause cost, and the
// program's start-up, shutdown and memory as whole processes under a real X server.
#include "gamedriver.h"
#include "headless.h"
#include "playedgame.h"
#include "review.h"
#include "strong.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <sys/resource.h>

class TfMainProbe {
public:
    static TfMain& Window() {
        static TfMain* w = [] {
            auto* win = new TfMain;
            win->show();
            // Stored settings must not slow the figures down: fast game on.
            if (!win->mmSpeedGame->isChecked())
                win->mmSpeedGame->trigger();
            return win;
        }();
        return *w;
    }
    // A fresh deal from the seed, the man to lead.
    static void Deal(std::uint32_t seed) {
        TfMain& w = Window();
        TCardBatch::SeedSource = [seed] { return seed; };
        w.LastWinner = w.PlayerPlace1;
        w.mmNewGameClick();
    }
    static TfMain& W() { return Window(); }
    static void SetZoom(int percent) { W().SetZoom(percent); }
    static bool CanPlay(std::uint8_t kind, TCard* c) { return W().CanPlay(kind, c); }
    static int ChooseAttack(const QList<TCard*>& h) { return W().ChooseAttack(h); }
    static int ChooseDefence(const QList<TCard*>& h) { return W().ChooseDefence(h); }
};

namespace {
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void DoubleClick(QWidget* w) {
    const QPointF at(10, 10);
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(w, &e);
    }
}

// Counts timer events, whoever they are for, except the benchmark's own.
struct TTimerCounter : QObject {
    QObject* own = nullptr;
    int ticks = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Timer && o != own) {
            ++ticks;
            std::fprintf(stderr, "idle wake-up: a timer of %s \"%s\"\n",
                         o->metaObject()->className(), qPrintable(o->objectName()));
        }
        return false;
    }
};
} // namespace

static void CanPlay(benchmark::State& state) {
    TfMainProbe::Deal(5);
    TfMain& w = TfMainProbe::W();
    const QList<TCard*> hand = w.PlayerPlace1->Cards;
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TfMainProbe::CanPlay(1, hand[k++ % hand.size()]));
}

static void ChooseAttack(benchmark::State& state) {
    TfMainProbe::Deal(5);
    TfMain& w = TfMainProbe::W();
    for (auto _ : state)
        benchmark::DoNotOptimize(TfMainProbe::ChooseAttack(w.PlayerPlace2->Cards));
}

static void ChooseDefence(benchmark::State& state) {
    TfMainProbe::Deal(5);
    TfMain& w = TfMainProbe::W();
    // Lay the man's first card so that the computer has something to beat.
    w.GamePlace->PutAttack(w.PlayerPlace1->ExtractCard(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TfMainProbe::ChooseDefence(w.PlayerPlace2->Cards));
    w.GamePlace->ClearTable();
}

static void ComputerAnswer(benchmark::State& state) {
    TfMain& w = TfMainProbe::W();
    std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        TfMainProbe::Deal(seed++);
        TCard* card = w.PlayerPlace1->Cards[0];
        state.ResumeTiming();
        DoubleClick(card); // the man leads; the computer answers at once
    }
}

static void PaintFace(benchmark::State& state) {
    TfMainProbe::Deal(2);
    TCard* card = TfMainProbe::W().PlayerPlace1->Cards[0];
    QImage img(card->size(), QImage::Format_RGB32);
    for (auto _ : state)
        card->render(&img);
}

static void PaintBack(benchmark::State& state) {
    TfMainProbe::Deal(2);
    TCard* card = TfMainProbe::W().PlayerPlace2->Cards[0];
    QImage img(card->size(), QImage::Format_RGB32);
    for (auto _ : state)
        card->render(&img);
}

static void PaintWindow(benchmark::State& state) {
    TfMainProbe::Deal(2);
    TfMain& w = TfMainProbe::W();
    QImage img(w.size(), QImage::Format_RGB32);
    for (auto _ : state)
        w.render(&img);
}

// The whole window at a zoom, after the same deal: nine times the pixels at 300 %.
static void PaintWindowZoom(benchmark::State& state) {
    const int percent = int(state.range(0));
    TfMainProbe::SetZoom(percent);
    TfMainProbe::Deal(2);
    TfMain& w = TfMainProbe::W();
    QImage img(w.size(), QImage::Format_RGB32);
    w.render(&img); // the pictures of this size are made before the figures start
    for (auto _ : state)
        w.render(&img);
    state.counters["pixels"] = double(img.width()) * img.height();
    TfMainProbe::SetZoom(100);
}

static void NewGame(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state)
        TfMainProbe::Deal(seed++);
}

// Whole games through the window; `painted`: the window paints after every click, as it does
// at a person's pace.
static void PlayWholeGames(benchmark::State& state, bool painted) {
    TfMain& w = TfMainProbe::W();
    TGameDriver driver(&w);
    driver.CheckEveryEvent = false;
    driver.IllegalTriesPercent = 0;
    driver.PaintEveryEvent = painted;
    std::uint32_t seed = 1;
    for (auto _ : state)
        driver.PlayGame(seed++);
    state.counters["games/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

static void WholeGames(benchmark::State& state) {
    PlayWholeGames(state, false);
}

static void WholeGamesPainted(benchmark::State& state) {
    PlayWholeGames(state, true);
}

static void PausesCost(benchmark::State& state) {
    TfMain& w = TfMainProbe::W();
    w.mmSpeedGame->trigger(); // pauses on
    TGameDriver driver(&w);
    driver.CheckEveryEvent = false;
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double cpu0 = CpuSeconds();
        driver.PlayGame(3);
        state.counters["cpu_per_wall_%"] = 100.0 * (CpuSeconds() - cpu0) / (wall.elapsed() / 1e3);
        state.counters["wall_s"] = wall.elapsed() / 1e3;
    }
    w.mmSpeedGame->trigger();
}

static void Idle10s(benchmark::State& state) {
    TfMain& w = TfMainProbe::W();
    TfMainProbe::Deal(9);
    QApplication::processEvents();
    for (auto _ : state) {
        TTimerCounter counter;
        QEventLoop loop;
        QTimer stop;
        stop.setSingleShot(true);
        counter.own = &stop;
        QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
        qApp->installEventFilter(&counter);
        const double cpu0 = CpuSeconds();
        stop.start(10000);
        loop.exec();
        qApp->removeEventFilter(&counter);
        state.counters["cpu_ms"] = (CpuSeconds() - cpu0) * 1e3;
        state.counters["wakeups"] = counter.ticks;
    }
    (void)w;
}

// The probe's settings, a first run's but for `zoom`, the stored size it starts at (0: none
// stored, the first run's 100 %); the probe under the X server of $DISPLAY.
void PrepareProbe(QProcess& p, const QTemporaryDir& settings, int zoom) {
    if (zoom) {
        QFile file(settings.filePath(QStringLiteral("Tovrel.reg")));
        if (file.open(QIODevice::WriteOnly))
            file.write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tovrel]\n\"Zoom\"=dword:" +
                       QByteArray::number(zoom, 16).rightJustified(8, '0') + "\n");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_CONFIG_HOME", settings.path());
    p.setProcessEnvironment(env);
}

// Whole processes of the program, median of the runs.
static void RunProcesses(benchmark::State& state, int games, int zoom) {
    for (auto _ : state) {
        std::vector<double> start, stop, rss;
        for (int run = 0; run < (games ? 1 : 10); ++run) {
            QTemporaryDir settings;
            QProcess p;
            PrepareProbe(p, settings, zoom);
            QElapsedTimer t;
            t.start();
            p.start(QStringLiteral(VESK_PROBE), {QString::number(games)});
            double painted = -1, exited = -1;
            QByteArray out;
            while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
                p.waitForReadyRead(100);
                out += p.readAllStandardOutput();
                if (painted < 0 && out.contains("painted\n"))
                    painted = t.nsecsElapsed() / 1e6;
                if (exited < 0 && out.contains("exit\n"))
                    exited = t.nsecsElapsed() / 1e6;
                if (t.elapsed() > 300000)
                    break;
            }
            p.waitForFinished();
            const double end = t.nsecsElapsed() / 1e6;
            const int at = out.indexOf("rss_kb ");
            start.push_back(painted);
            stop.push_back(exited >= 0 ? end - exited : -1);
            rss.push_back(at >= 0 ? out.mid(at + 7).split('\n')[0].toDouble() / 1024 : -1);
        }
        auto median = [](std::vector<double> v) {
            std::sort(v.begin(), v.end());
            return v[v.size() / 2];
        };
        state.counters["startup_ms"] = median(start);
        state.counters["shutdown_ms"] = median(stop);
        state.counters["peak_rss_MB"] = median(rss);
    }
}

static void StartupShutdown(benchmark::State& state) {
    RunProcesses(state, int(state.range(0)), 0);
}

// The same at a stored zoom: start-up at 200 % against 100 % in the same run, and the peak
// memory at 300 % (the screen must hold it: `make bench` gives 2560 x 1600).
static void StartupShutdownZoom(benchmark::State& state) {
    RunProcesses(state, int(state.range(1)), int(state.range(0)));
}

// One whole game with "Анимация" on, in the program under the X server of $DISPLAY at a zoom:
// the frames while cards move (per second, the slowest from update to flush, the longest gap
// between two) and the CPU they take.
static void AnimatedGame(benchmark::State& state) {
    for (auto _ : state) {
        QTemporaryDir settings;
        QProcess p;
        PrepareProbe(p, settings, int(state.range(0)));
        p.start(QStringLiteral(VESK_PROBE), {QStringLiteral("1"), QStringLiteral("animated")});
        p.waitForFinished(300000);
        const QByteArray out = p.readAllStandardOutput();
        const int at = out.indexOf("motion ");
        if (at < 0) {
            state.SkipWithError("the probe measured no motion");
            return;
        }
        std::map<QByteArray, double> said;
        for (const QByteArray& pair : out.mid(at + 7).split('\n')[0].split(' '))
            said[pair.split('=').value(0)] = pair.split('=').value(1).toDouble();
        const double wall = said["wall_ms"];
        state.counters["motions"] = said["motions"];
        state.counters["moving_s"] = wall / 1e3;
        state.counters["fps"] = wall > 0 ? said["frames"] / (wall / 1e3) : 0;
        state.counters["slowest_frame_ms"] = said["slowest_frame_ms"];
        state.counters["longest_gap_ms"] = said["slowest_gap_ms"];
        state.counters["slowest_first_frame_ms"] = said["slowest_first_frame_ms"];
        state.counters["cpu_while_moving_%"] = wall > 0 ? 100.0 * said["cpu_ms"] / wall : 0;
    }
}

// Whole games in the rules core alone, the computer's choices on both sides, one core.
static void RulesWholeGames(benchmark::State& state) {
    TGame game;
    TRulePolicy man;
    std::uint32_t seed = 0;
    int failed = 0;
    for (auto _ : state)
        failed += PlayWholeGame(game, ++seed, man) == ocNone;
    state.counters["games_per_s"] = benchmark::Counter(double(seed), benchmark::Counter::kIsRate);
    state.counters["failed"] = failed;
}

// The same in the transfer game; a game that goes round in circles with the stock empty
// (both seats play fixed rules) counts as failed.
static void RulesWholeTransferGames(benchmark::State& state) {
    TGame game;
    TRulePolicy man;
    TRulePolicy computer;
    std::uint32_t seed = 0;
    int failed = 0;
    for (auto _ : state)
        failed += PlayWholeGame(game, ++seed, man, computer, true) == ocNone;
    state.counters["games_per_s"] = benchmark::Counter(double(seed), benchmark::Counter::kIsRate);
    state.counters["failed"] = failed;
}

// The review of a whole game, the person playing by the computer's rules against either
// opponent (0: the computer's own rules, 1: the strong one): each of 200 seeded games reviewed
// once on one core, the median and the longest in milliseconds. The games are played first,
// outside the timing.
static void ReviewWholeGame(benchmark::State& state) {
    const bool strong = state.range(0) != 0;
    std::vector<TMoveLog> logs;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        TRulePolicy man;
        TRulePolicy rules;
        TStrongPolicy opponent;
        logs.push_back(
            playedgame::Play(seed, false, man, strong ? static_cast<TPolicy&>(opponent) : rules));
    }
    // Wall time, and the thread's own CPU time: the machine's other work shows in the first.
    std::vector<double> ms;
    std::vector<double> cpu;
    auto cpuNow = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    };
    int mistakes = 0;
    int doubtful = 0;
    for (auto _ : state) {
        ms.clear();
        cpu.clear();
        for (const TMoveLog& log : logs) {
            TReviewer reviewer;
            const double cpuFrom = cpuNow();
            const auto from = std::chrono::steady_clock::now();
            const TReview r = reviewer.Run(log);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from)
                    .count());
            cpu.push_back(cpuNow() - cpuFrom);
            mistakes += r.Mistakes;
            doubtful += r.Doubtful;
        }
    }
    auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    };
    state.counters["median_ms"] = median(ms);
    state.counters["max_ms"] = ms.back();
    state.counters["cpu_median_ms"] = median(cpu);
    state.counters["cpu_max_ms"] = cpu.back();
    state.counters["mistakes"] = mistakes;
    state.counters["doubtful"] = doubtful;
}

BENCHMARK(RulesWholeGames)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(RulesWholeTransferGames)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(ReviewWholeGame)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(CanPlay);
BENCHMARK(ChooseAttack);
BENCHMARK(ChooseDefence);
BENCHMARK(ComputerAnswer)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintFace)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintBack)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintWindowZoom)->Arg(100)->Arg(200)->Arg(300)->Unit(benchmark::kMicrosecond);
BENCHMARK(NewGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeGames)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WholeGamesPainted)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(PausesCost)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Idle10s)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(StartupShutdown)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(AnimatedGame)->Arg(100)->Arg(300)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(StartupShutdownZoom)
    ->Args({100, 0})
    ->Args({200, 0})
    ->Args({300, 0})
    ->Args({300, 100})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Plays that many whole games and stops: a steady load for a profiler.
static int ProfileGames(int games) {
    TfMain& w = TfMainProbe::W();
    TGameDriver driver(&w);
    driver.CheckEveryEvent = false;
    driver.IllegalTriesPercent = 0;
    for (int seed = 1; seed <= games; ++seed)
        driver.PlayGame(std::uint32_t(seed));
    std::printf("%d games\n", driver.GamesFinished);
    return driver.GamesFinished == games ? 0 : 1;
}

int main(int argc, char** argv) {
    // The player's own statistics and settings stay out of it.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--profile-games=", 16) == 0)
            return ProfileGames(std::atoi(argv[i] + 16));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
