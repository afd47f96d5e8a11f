// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "breakdown.h"
#include "cardbatch.h"
#include "cardflight.h"
#include "game.h"
#include "gameplace.h"
#include "lastwinner.h"
#include "playerplace.h"
#include "policy.h"
#include "replay.h"
#include "score.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class TMoveRecorder;
class TStrongPolicy;
class TWindowView;
class TClientArea;
class TZoomView;

// The main window. It shows the rules core's game and feeds it the person's actions; the
// engine's members are thin and spread over the tfmain_*.cpp files by concern.
class TfMain : public QMainWindow {
    Q_OBJECT
    friend class TfMainProbe; // tests and benchmarks look inside
    friend class TGameDriver;
    friend class TWindowArranger; // lays written positions out in tests
    friend class TWindowView;

public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // The components, in the order of the layout.
    QMenuBar* MainMenu = nullptr;
    QMenu* N1 = nullptr;
    QAction* mmNewGame = nullptr;
    QAction* N3 = nullptr;
    QAction* mmExit = nullptr;
    TPlayerPlace* PlayerPlace2 = nullptr; // the computer's hand, top
    TPlayerPlace* PlayerPlace1 = nullptr; // the human's hand, bottom
    TGamePlace* GamePlace = nullptr;
    TCardBatch* CardBatch = nullptr;
    QPushButton* bbtStop = nullptr;
    QLabel* lMessage = nullptr;
    QAction* mmHintVisible = nullptr;
    QAction* mmSpeedGame = nullptr;
    QAction* mmStrongGame = nullptr;
    QAction* mmTransferGame = nullptr; // "Переводной", right after "Сильный соперник"
    QAction* N2 = nullptr;
    QAction* mmStatistic = nullptr;
    QAction* N4 = nullptr;
    QMenu* N5 = nullptr;
    QAction* mmAbout = nullptr;
    QAction* mmRules = nullptr; // "Правила игры", F1, above "О программе"
    // "Вид", between "Игра" and "?": the zoom (tfmain_zoom.cpp).
    QMenu* N6 = nullptr;
    QAction* mmZoomIn = nullptr;     // "Крупнее", Ctrl++ and Ctrl+=
    QAction* mmZoomOut = nullptr;    // "Мельче", Ctrl+-
    QAction* mmZoomNormal = nullptr; // "Обычный размер", Ctrl+0
    QList<QAction*> mmZoomSizes;     // "100 %" ... "300 %", one checked: the setting
    QAction* mmAnimation = nullptr;  // "Анимация", last in "Вид"
    // Learning from the games played (tfmain_replay.cpp).
    QAction* mmReplay = nullptr; // "Повторить раздачу", Shift+F2, after "Новая игра"
    QAction* mmReview = nullptr; // "Разбор партии...", after "Повторить раздачу"
    QAction* mmBreakdown = nullptr; // "Подробная статистика...", Shift+F3, after "Статистика..."

    // Whether "Анимация" is checked while nothing is stored: the program's first run says yes;
    // a window made by a test has it off unless the test says otherwise.
    static bool AnimationAtFirstRun;
    // How much faster than the clock the cards move: 1 but in tests that play many games.
    static qreal MotionTimeScale;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Shell (tfmain_shell.cpp)
    void CreateLayout();
    void CreateMenu();
    void FormCreate();
    void FormDestroy();
    void mmExitClick();
    void mmAboutClick();
    void mmRulesClick();

    // Settings and counters (tfmain_settings.cpp)
    void ReadWriteSettings(bool Save);
    void mmHintVisibleClick();
    void mmSpeedGameClick();
    void mmStrongGameClick();
    void mmTransferGameClick();

    // Zoom (tfmain_zoom.cpp)
    void CreateViewMenu();
    void SetZoom(int percent);
    bool ZoomFits(int percent) const;
    int LargestFittingZoom(int percent) const; // at most `percent`, at least 100
    void FitZoomToScreen();
    void UpdateZoomMenu();
    void mmZoomClick(int percent);
    void mmZoomStepClick(int direction);

    // Cards that move (tfmain_motion.cpp)
    void CreateAnimationItem();
    void mmAnimationClick();
    // Runs `move`, which lays cards where they end. With "Анимация" on, the cards that moved are
    // then shown on their way there, those of `order` one after the other, before it returns.
    void Moving(TMotionKind kind, const std::function<void()>& move,
                const QList<TCard*>& order = {});

    // Statistics (tfmain_statistic.cpp)
    void mmStatisticClick();
    void CreateBreakdownMenu();
    void mmBreakdownClick();

    // Replaying a deal (tfmain_replay.cpp)
    void CreateLearnMenu();
    // The game's moves are written down from what its view is told.
    void FollowGame();
    void mmReplayClick();
    // A game has ended: counted, unless it was a replay.
    void CountGame(TOutcome outcome);
    // The strong opponent sits in the computer's seat in the game now played.
    bool StrongPlays() const;

    // Reviewing the last game move by move (tfmain_review.cpp)
    void mmReviewClick();

    // Game flow (tfmain_flow.cpp)
    void mmNewGameClick();
    void SetState(TGameState state);
    void SetTurn(TPlayerPlace* hand);
    TPlayerPlace* FirstPlayer(TPlayerPlace* man, TPlayerPlace* cpu, TCardSuit trump);
    void RefillHands();
    bool CheckGameOver();
    void CPUMove();
    void TakeClick();
    void BeatenClick();
    void NoMoreClick();
    void Delay(int ms);
    void SetMessage(const QString& text);
    // The button's caption and action for a state.
    void ShowState(TGameState state);
    TPlayerPlace* PlaceOf(TVeskPlayerType seat) const;
    TVeskPlayerType SeatOf(const TPlayerPlace* hand) const;

    // The computer's attack (tfmain_attack.cpp)
    int ChooseAttack(const QList<TCard*>& hand);
    int LowestCard(const QList<TCard*>& list);
    int PreferPair(const QList<TCard*>& hand, const QList<TCard*>& list);

    // The computer's defence (tfmain_defence.cpp)
    int ChooseDefence(const QList<TCard*>& hand);

    // Legality (tfmain_legality.cpp)
    bool CanPlay(std::uint8_t kind, TCard* card);
    bool ValueOnTable(TCardValue value);

    // The human's moves (tfmain_human.cpp)
    // The raised card passes the attack on, in the transfer game.
    void TransferRaised();
    void PlayerPlace1CardClick(TCard* card);
    void PlayerPlace1CardDblClick(TCard* card);
    void GamePlaceMouseDown(Qt::MouseButton button, Qt::MouseButtons buttons,
                            Qt::KeyboardModifiers modifiers, int x, int y);

    // Runs an entry point of the engine; a close asked for meanwhile happens after it.
    void Handler(const std::function<void()>& body);
    void ConnectStop(void (TfMain::*handler)());
    // The person's action through the game's one door, then the computer's answers.
    bool Act(TAction action);
    // The computer's seat acts while it must.
    void PlayComputer();

    // The game itself; the window shows it through its view.
    TGame FGame;
    std::unique_ptr<TWindowView> FView;
    // Who plays the computer's seat: its own rules, or the strong opponent when chosen, from
    // the next new game on.
    TRulePolicy FRules;
    std::unique_ptr<TStrongPolicy> FStrong;
    TPolicy* FComputer = &FRules;
    // The counters and their store; the same games by opponent and rule set.
    TScore FScore;
    TBreakdown FBreakdown;

    // Counters, from the human's side.
    std::int32_t& Draw = FScore.Draw;
    std::int32_t& Wins = FScore.Wins;
    std::int32_t& Lose = FScore.Lose;
    // The moves of the games played, and what a replay needs.
    std::unique_ptr<TMoveRecorder> FRecorder;
    TReplay FReplay;
    // The hand of the game's last winner, or none.
    TLastWinner LastWinner{this, FGame.LastWinner};
    TGameState& State = FGame.P.State;
    bool& FirstBout = FGame.P.FirstBout;

    // The client area (the hands and the table, in layout pixels) and, at a zoom other than
    // 100 %, the view that shows it; the zoom in per cent.
    TClientArea* FClient = nullptr;
    TZoomView* FZoomView = nullptr;
    int FZoom = 100;

    QMetaObject::Connection FStopConnection;
    int FHandlerDepth = 0;
    bool FCloseRequested = false;
    // Which stored settings the load could not read; they are not overwritten at exit unless
    // changed meanwhile.
    enum : std::uint16_t {
        uvHint = 8,
        uvSpeed = 16,
        uvStrong = 32,
        uvTransfer = 64,
        uvZoom = 128,
        uvAnimation = 256
    };
    std::uint16_t FUnreadValues = 0;
};

extern TfMain* fMain;
