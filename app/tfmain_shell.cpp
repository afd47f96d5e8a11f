// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "actionfocus.h"
#include "cardaccessible.h"
#include "messageaccessible.h"
#include "messagelabel.h"
#include "modal.h"
#include "programicon.h"
#include "recorder.h"
#include "screencentre.h"
#include "strong.h"
#include "windowview.h"
#include "zoom.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QShortcut>

#include <utility>

TfMain* fMain = nullptr;

namespace {
const QColor Green(0, 128, 0);
const QColor Navy(0, 0, 128);

QFont PixelFont(const QString& family, int pixels) {
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

void MakeGreenPanel(TPanel* panel) {
    panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    panel->SetGround(Green);
}
} // namespace

TfMain::TfMain(QWidget* parent) : QMainWindow(parent) {
    fMain = this;
    setWindowTitle(QStringLiteral("Веск подкидной"));
    setWindowIcon(vesk::WindowIcon());
    // "System" has no counterpart here; DejaVu Sans stands in for it.
    setFont(PixelFont(QStringLiteral("DejaVu Sans"), 13));
    // The cards, hands, table and pile answer a screen reader from here on.
    InstallCardAccessibility();
    CreateMenu();
    CreateLearnMenu();
    CreateBreakdownMenu();
    CreateLayout();
    FView = std::make_unique<TWindowView>(this);
    FGame.View = FView.get();
    FollowGame();
    FormCreate();
}

TfMain::~TfMain() {
    hide();
    FormDestroy();
    if (fMain == this)
        fMain = nullptr;
}

void TfMain::CreateMenu() {
    MainMenu = menuBar();
    N1 = MainMenu->addMenu(QStringLiteral("Игра"));
    mmNewGame = N1->addAction(QStringLiteral("Новая игра"));
    mmNewGame->setShortcut(QKeySequence(Qt::Key_F2));
    N3 = N1->addSeparator();
    mmHintVisible = N1->addAction(QStringLiteral("Подсказка"));
    mmSpeedGame = N1->addAction(QStringLiteral("Быстпрая игра"));
    mmStrongGame = N1->addAction(QStringLiteral("Сильный соперник"));
    mmTransferGame = N1->addAction(QStringLiteral("Переводной"));
    N4 = N1->addSeparator();
    mmStatistic = N1->addAction(QStringLiteral("Статистика..."));
    mmStatistic->setShortcut(QKeySequence(Qt::Key_F3));
    N2 = N1->addSeparator();
    mmExit = N1->addAction(QStringLiteral("Выход"));
    mmExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    CreateViewMenu(); // "Вид"
    CreateAnimationItem();
    N5 = MainMenu->addMenu(QStringLiteral("&?"));
    mmRules = N5->addAction(QStringLiteral("Правила игры"));
    mmRules->setShortcut(QKeySequence(Qt::Key_F1));
    mmAbout = N5->addAction(QStringLiteral("О программе"));

    for (QAction* item : {mmHintVisible, mmSpeedGame}) {
        item->setCheckable(true);
        item->setChecked(true);
    }
    // The computer's own rules and the throw-in game by default.
    for (QAction* item : {mmStrongGame, mmTransferGame}) {
        item->setCheckable(true);
        item->setChecked(false);
    }
    for (QAction* item : {mmNewGame, mmStatistic, mmExit, mmRules})
        item->setShortcutContext(Qt::WindowShortcut);

    connect(mmNewGame, &QAction::triggered, this,
            [this] { Handler([this] { mmNewGameClick(); }); });
    connect(mmStatistic, &QAction::triggered, this,
            [this] { Handler([this] { mmStatisticClick(); }); });
    connect(mmExit, &QAction::triggered, this, [this] { Handler([this] { mmExitClick(); }); });
    connect(mmAbout, &QAction::triggered, this, [this] { Handler([this] { mmAboutClick(); }); });
    connect(mmRules, &QAction::triggered, this, [this] { Handler([this] { mmRulesClick(); }); });
    // Qt has already toggled the check mark; undo that so only the handler changes it.
    connect(mmHintVisible, &QAction::triggered, this, [this](bool checked) {
        mmHintVisible->setChecked(!checked);
        Handler([this] { mmHintVisibleClick(); });
    });
    connect(mmSpeedGame, &QAction::triggered, this, [this](bool checked) {
        mmSpeedGame->setChecked(!checked);
        Handler([this] { mmSpeedGameClick(); });
    });
    connect(mmStrongGame, &QAction::triggered, this, [this](bool checked) {
        mmStrongGame->setChecked(!checked);
        Handler([this] { mmStrongGameClick(); });
    });
    connect(mmTransferGame, &QAction::triggered, this, [this](bool checked) {
        mmTransferGame->setChecked(!checked);
        Handler([this] { mmTransferGameClick(); });
    });
}

void TfMain::CreateLayout() {
    auto* client = new TClientArea(this);
    FClient = client;
    client->setFixedSize(590, 404);
    setCentralWidget(client);

    PlayerPlace2 = new TPlayerPlace(client);
    PlayerPlace2->setGeometry(0, 0, 590, 110);
    MakeGreenPanel(PlayerPlace2);
    PlayerPlace2->setEnabled(false);
    PlayerPlace2->SetFaced(false);
    PlayerPlace2->Player = ptCPU;

    PlayerPlace1 = new TPlayerPlace(client);
    PlayerPlace1->setGeometry(0, 294, 590, 110);
    MakeGreenPanel(PlayerPlace1);
    PlayerPlace1->SetFaced(true);
    PlayerPlace1->Player = ptMan;
    PlayerPlace1->OnCardClick = [this](TCard* c) { Handler([&] { PlayerPlace1CardClick(c); }); };
    PlayerPlace1->OnCardDblClick = [this](TCard* c) {
        Handler([&] { PlayerPlace1CardDblClick(c); });
    };

    GamePlace = new TGamePlace(client);
    GamePlace->setGeometry(0, 110, 590, 184);
    MakeGreenPanel(GamePlace);
    GamePlace->OnMouseDown = [this](Qt::MouseButton b, Qt::MouseButtons bs, Qt::KeyboardModifiers m,
                                    int x, int y) {
        Handler([&] { GamePlaceMouseDown(b, bs, m, x, y); });
    };

    CardBatch = new TCardBatch(GamePlace);
    CardBatch->setGeometry(452, 0, 129, 144);
    CardBatch->hide();

    bbtStop = new QPushButton(QStringLiteral("Начать игру"), GamePlace);
    bbtStop->setGeometry(452, 142, 129, 35);
    bbtStop->setFont(PixelFont(QStringLiteral("Arial"), 19));
    // Navy while it can be pressed; a disabled button keeps the style's greyed text.
    QPalette pal = bbtStop->palette();
    pal.setColor(QPalette::Window, Green); // the style draws the outline from it
    pal.setColor(QPalette::Active, QPalette::ButtonText, Navy);
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, Navy);
    bbtStop->setPalette(pal);
    bbtStop->setDefault(true);
    new TActionFocus(bbtStop, PlayerPlace1);

    lMessage = new TMessageLabel(GamePlace);
    MakeMessageAccessible(lMessage); // before its first text, which a reader may already ask for
    lMessage->setText(QStringLiteral("Нажмите кнопку или F2"));
    lMessage->setGeometry(3, 149, 580, 28);
    QFont f = PixelFont(QStringLiteral("Times New Roman"), 24);
    f.setBold(true);
    f.setItalic(true);
    lMessage->setFont(f);
    pal = lMessage->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    lMessage->setPalette(pal);
    lMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The label lies under the pile and the button, as it was created after them.
    lMessage->lower();

    // Enter is the action button's, wherever the focus is in the window.
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, [this] {
            if (bbtStop->isEnabled())
                bbtStop->click();
        });
    }
    // The arrows play the human's hand with the clicks a mouse would give; the focus stays
    // on the button.
    const std::pair<Qt::Key, std::function<void()>> arrows[] = {
        {Qt::Key_Left, [this] { PlayerPlace1->RaiseNext(-1); }},
        {Qt::Key_Right, [this] { PlayerPlace1->RaiseNext(+1); }},
        {Qt::Key_Up, [this] { PlayerPlace1->ClickRaised(); }},
        {Qt::Key_Down, [this] { Handler([this] { TransferRaised(); }); }},
    };
    for (const auto& [key, action] : arrows) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        // Holding Up or Down plays one card, not a run.
        shortcut->setAutoRepeat(key != Qt::Key_Up && key != Qt::Key_Down);
        connect(shortcut, &QShortcut::activated, this, [this, action] {
            if (PlayerPlace1->isEnabled())
                action();
        });
    }

    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    vesk::CentreOnScreen(this);
    bbtStop->setFocus();
}

void TfMain::FormCreate() {
    SetState(gsIdle);
    LastWinner = nullptr;
    vesk::Guarded([this] { ReadWriteSettings(false); });
}

void TfMain::FormDestroy() {
    vesk::Guarded([this] { ReadWriteSettings(true); });
}

void TfMain::mmExitClick() {
    close();
}

void TfMain::closeEvent(QCloseEvent* event) {
    // A close asked for while the engine is inside a handler (during a pause) waits for it.
    if (FHandlerDepth > 0) {
        FCloseRequested = true;
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TfMain::Handler(const std::function<void()>& body) {
    ++FHandlerDepth;
    vesk::Guarded(body);
    --FHandlerDepth;
    if (FHandlerDepth == 0 && FCloseRequested) {
        FCloseRequested = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TfMain::ConnectStop(void (TfMain::*handler)()) {
    disconnect(FStopConnection);
    FStopConnection = connect(bbtStop, &QPushButton::clicked, this, [this, handler] {
        Handler([this, handler] { (this->*handler)(); });
    });
}
