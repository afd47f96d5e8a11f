// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu "Вид" and the zoom of the client area: the whole table at 100 % to 300 %, the
// window fixed at each size, its centre kept where the screen allows, never past the screen.
#include "tfmain.h"

#include "zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <functional>

namespace {
const QSize ClientSize(590, 404);

// Follows the window onto its screen and that screen's free area: a size that no longer fits
// gives way to the largest that does, once the event that told it has been handled.
class TZoomWatch : public QObject {
public:
    TZoomWatch(QWidget* window, std::function<void()> refit)
        : QObject(window), W(window), Refit(std::move(refit)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == W &&
            (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal)) {
            Follow(W->screen());
            Later();
        }
        return false;
    }

private:
    void Follow(QScreen* screen) {
        if (screen == FScreen)
            return;
        disconnect(FConnection);
        FScreen = screen;
        if (screen)
            FConnection =
                connect(screen, &QScreen::availableGeometryChanged, this, [this] { Later(); });
    }
    void Later() {
        QMetaObject::invokeMethod(this, [this] { Refit(); }, Qt::QueuedConnection);
    }

    QWidget* W;
    std::function<void()> Refit;
    QPointer<QScreen> FScreen;
    QMetaObject::Connection FConnection;
};
} // namespace

void TfMain::CreateViewMenu() {
    InstallZoomAccessibility();
    N6 = MainMenu->addMenu(QStringLiteral("Вид"));
    mmZoomIn = N6->addAction(QStringLiteral("Крупнее"));
    // The desktop's zoom keys: Ctrl and plus, also without Shift on the key that carries it.
    mmZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mmZoomOut = N6->addAction(QStringLiteral("Мельче"));
    mmZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mmZoomNormal = N6->addAction(QStringLiteral("Обычный размер"));
    mmZoomNormal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    N6->addSeparator();
    auto* sizes = new QActionGroup(this);
    sizes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int level : vesk::zoom::Levels()) {
        QAction* item = N6->addAction(QStringLiteral("%1 %").arg(level));
        item->setCheckable(true);
        item->setChecked(level == FZoom);
        sizes->addAction(item);
        mmZoomSizes << item;
        // The group has already moved the check mark; put it back so that only the handler
        // moves it.
        connect(item, &QAction::triggered, this, [this, level] {
            UpdateZoomMenu();
            Handler([this, level] { mmZoomClick(level); });
        });
    }
    for (QAction* item : {mmZoomIn, mmZoomOut, mmZoomNormal})
        item->setShortcutContext(Qt::WindowShortcut);
    connect(mmZoomIn, &QAction::triggered, this,
            [this] { Handler([this] { mmZoomStepClick(+1); }); });
    connect(mmZoomOut, &QAction::triggered, this,
            [this] { Handler([this] { mmZoomStepClick(-1); }); });
    connect(mmZoomNormal, &QAction::triggered, this,
            [this] { Handler([this] { mmZoomClick(100); }); });
    // What fits is asked of the screen each time the menu opens.
    connect(N6, &QMenu::aboutToShow, this, [this] { UpdateZoomMenu(); });
    new TZoomWatch(this, [this] { FitZoomToScreen(); });
}

bool TfMain::ZoomFits(int percent) const {
    if (percent <= 100)
        return true;
    const QScreen* screen = this->screen();
    if (!screen)
        return true;
    // The window at that size: its frame, menu bar and the zoomed client area.
    const QWidget* central = centralWidget();
    const QSize chrome = central ? frameGeometry().size() - central->size() : QSize();
    const QSize needed = chrome + vesk::zoom::Scaled(ClientSize, percent);
    const QSize free = screen->availableGeometry().size();
    return needed.width() <= free.width() && needed.height() <= free.height();
}

int TfMain::LargestFittingZoom(int percent) const {
    int fitting = 100;
    for (int level : vesk::zoom::Levels())
        if (level <= percent && ZoomFits(level))
            fitting = level;
    return fitting;
}

void TfMain::FitZoomToScreen() {
    if (!ZoomFits(FZoom))
        SetZoom(LargestFittingZoom(FZoom));
    UpdateZoomMenu();
}

void TfMain::UpdateZoomMenu() {
    for (int i = 0; i < mmZoomSizes.size(); ++i) {
        const int level = vesk::zoom::Levels()[i];
        mmZoomSizes[i]->setEnabled(ZoomFits(level));
        mmZoomSizes[i]->setChecked(level == FZoom);
    }
    auto fits = [this](int level) { return ZoomFits(level); };
    mmZoomIn->setEnabled(vesk::zoom::Step(FZoom, +1, fits) != FZoom);
    mmZoomOut->setEnabled(FZoom > vesk::zoom::Levels().first());
}

void TfMain::mmZoomClick(int percent) {
    if (!ZoomFits(percent))
        return;
    SetZoom(percent);
    FUnreadValues &= std::uint16_t(~uvZoom);
}

void TfMain::mmZoomStepClick(int direction) {
    mmZoomClick(vesk::zoom::Step(FZoom, direction, [this](int level) { return ZoomFits(level); }));
}

void TfMain::SetZoom(int percent) {
    if (!vesk::zoom::Levels().contains(percent))
        return;
    const bool zoomed = percent != 100;
    if (percent == FZoom && zoomed == (FZoomView != nullptr)) {
        UpdateZoomMenu();
        return;
    }
    // The game, a pause under way and the focus go on as they were: only where the client
    // area is shown changes, never what it holds.
    QWidget* const focused = QApplication::focusWidget();
    QPointer<QWidget> focus = FClient->focusWidget();
    // Inside a zoom the window's focus is the view's, and the client area's own is within it.
    const bool hadFocus = focused && (focused == FClient || FClient->isAncestorOf(focused) ||
                                      (FZoomView && focused == FZoomView));
    const QRect before = frameGeometry();
    if (!zoomed) {
        TZoomView* view = FZoomView;
        FZoomView = nullptr;
        view->SetClient(nullptr);
        takeCentralWidget();
        view->hide();
        view->deleteLater(); // it may be the one whose event brought us here
        setCentralWidget(FClient);
        FClient->show();
    } else if (!FZoomView) {
        takeCentralWidget();
        FZoomView = new TZoomView(this);
        FZoomView->SetZoom(percent);
        FZoomView->SetClient(FClient);
        setCentralWidget(FZoomView);
        FClient->show();
        FZoomView->show(); // now, or the window is laid out without it
    } else {
        FZoomView->SetZoom(percent);
    }
    FZoom = percent;
    layout()->activate();
    adjustSize();
    if (focus && (hadFocus || !focused)) {
        if (FZoomView)
            FZoomView->setFocus(Qt::OtherFocusReason);
        focus->setFocus(Qt::OtherFocusReason);
    }
    // The same centre, moved only as far as the screen's free area needs.
    if (const QScreen* screen = this->screen()) {
        const QRect free = screen->availableGeometry();
        QRect r = frameGeometry();
        r.moveCenter(before.center());
        if (r.right() > free.right())
            r.moveRight(free.right());
        if (r.bottom() > free.bottom())
            r.moveBottom(free.bottom());
        if (r.left() < free.left())
            r.moveLeft(free.left());
        if (r.top() < free.top())
            r.moveTop(free.top());
        move(r.topLeft());
    }
    UpdateZoomMenu();
}
