// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zoom.h"

#include "screenrect.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QPainter>
#include <QtMath>

#include <functional>

namespace vesk::zoom {

const QList<int>& Levels() {
    static const QList<int> levels = {100, 125, 150, 175, 200, 250, 300};
    return levels;
}

int FromStored(qint64 stored) {
    int level = Levels().first();
    for (int l : Levels())
        if (l <= stored)
            level = l;
    return level;
}

int Step(int percent, int direction, const std::function<bool(int)>& fits) {
    const QList<int>& levels = Levels();
    if (direction > 0) {
        for (int l : levels)
            if (l > percent && fits(l))
                return l;
    } else {
        for (auto it = levels.rbegin(); it != levels.rend(); ++it)
            if (*it < percent && fits(*it))
                return *it;
    }
    return percent;
}

QSize Scaled(QSize layout, int percent) {
    return QSize(qRound(layout.width() * percent / 100.0),
                 qRound(layout.height() * percent / 100.0));
}

} // namespace vesk::zoom

TZoomView::TZoomView(QWidget* parent) : QGraphicsView(parent) {
    setScene(new QGraphicsScene(this));
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    setCacheMode(QGraphicsView::CacheNone);
    setOptimizationFlag(QGraphicsView::DontAdjustForAntialiasing, true);
    setOptimizationFlag(QGraphicsView::DontSavePainterState, true);
    // The client area covers the view but for the last pixel of a zoom such as 125 %
    // (590 x 1.25 = 737.5): nothing under it is painted (neither the view's ground nor the
    // window's), only that pixel (drawBackground).
    setBackgroundBrush(Qt::NoBrush);
    setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
}

TZoomView::~TZoomView() {
    // The proxy deletes the widget it holds, as the window would have deleted its client area:
    // nothing to do, whoever holds it.
}

void TZoomView::SetClient(QWidget* client) {
    if (client == FClient)
        return;
    if (FProxy) {
        QWidget* old = FClient;
        if (old)
            old->hide(); // or it shows as a window of its own once the proxy lets it go
        FProxy->setWidget(nullptr);
        scene()->removeItem(FProxy);
        delete FProxy;
        FProxy = nullptr;
        if (old)
            old->setParent(nullptr);
    }
    FClient = client;
    if (!client)
        return;
    client->setParent(nullptr);
    FProxy = scene()->addWidget(client);
    FProxy->setPos(0, 0);
    const QRectF area(QPointF(0, 0), QSizeF(client->size()));
    scene()->setSceneRect(area);
    setSceneRect(area);
    SetZoom(FPercent);
}

void TZoomView::drawBackground(QPainter* painter, const QRectF&) {
    // In device pixels: the right column and bottom row the client area covers only in part
    // take the light edge of the panels' bevel, which they continue.
    const QRectF client = viewportTransform().mapRect(sceneRect());
    const int right = qFloor(client.right());
    const int bottom = qFloor(client.bottom());
    const QRect all = viewport()->rect();
    if (right >= all.right() + 1 && bottom >= all.bottom() + 1)
        return;
    painter->save();
    painter->resetTransform();
    const QColor edge = palette().color(QPalette::Light);
    if (right < all.right() + 1)
        painter->fillRect(QRect(right, 0, all.right() + 1 - right, all.height()), edge);
    if (bottom < all.bottom() + 1)
        painter->fillRect(QRect(0, bottom, all.width(), all.bottom() + 1 - bottom), edge);
    painter->restore();
}

bool TZoomView::eventFilter(QObject* watched, QEvent* event) {
    // The widgets of the client area take the focus inside the view, where Qt tells no screen
    // reader of it: the view tells, as the window would have.
    if (event->type() == QEvent::FocusIn && FClient && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if ((w == FClient || FClient->isAncestorOf(w)) && hasFocus() && QAccessible::isActive()) {
            QAccessibleEvent focus(w, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
    return false;
}

void TZoomView::SetZoom(int percent) {
    FPercent = percent;
    const qreal z = percent / 100.0;
    setTransform(QTransform::fromScale(z, z));
    if (FClient)
        setFixedSize(vesk::zoom::Scaled(FClient->size(), percent));
}

QRectF TZoomView::MapFromClient(const QWidget* w, const QRectF& r) const {
    if (!FClient || !FProxy || (w != FClient && !FClient->isAncestorOf(w)))
        return {};
    const QRectF inClient(w->mapTo(FClient, r.topLeft()), r.size());
    return viewportTransform().mapRect(FProxy->sceneTransform().mapRect(inClient));
}

TZoomView* TZoomView::ShowingWidget(const QWidget* w) {
    if (!w)
        return nullptr;
    const QGraphicsProxyWidget* proxy = w->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene())
        return nullptr;
    for (QGraphicsView* view : proxy->scene()->views())
        if (auto* zoom = qobject_cast<TZoomView*>(view))
            return zoom;
    return nullptr;
}

namespace {
// The view holds the client area as its one child, where a window holds its central widget.
class TZoomViewAccessible : public QAccessibleWidget {
public:
    explicit TZoomViewAccessible(TZoomView* view) : QAccessibleWidget(view, QAccessible::Pane) {}

    TZoomView* View() const { return static_cast<TZoomView*>(object()); }
    int childCount() const override { return View()->Client() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QWidget* client = View()->Client();
        return index == 0 && client ? QAccessible::queryAccessibleInterface(client) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() && child->object() == View()->Client() ? 0 : -1;
    }
    // The keyboard is the client area's widget's that has the focus there, not the view's.
    QAccessibleInterface* focusChild() const override {
        if (QWidget* focus = FocusInClient())
            return QAccessible::queryAccessibleInterface(focus);
        return QAccessibleWidget::focusChild();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (FocusInClient())
            s.focused = false;
        return s;
    }

private:
    QWidget* FocusInClient() const {
        QWidget* client = View()->Client();
        QWidget* focus = client ? client->focusWidget() : nullptr;
        return focus && View()->hasFocus() ? focus : nullptr;
    }
};

// The client area's parent is the view that shows it; its place on the screen is where the
// view shows it, at the zoom's size.
class TClientAccessible : public QAccessibleWidget {
public:
    explicit TClientAccessible(QWidget* client) : QAccessibleWidget(client, QAccessible::Client) {}

    QAccessibleInterface* parent() const override {
        if (TZoomView* view = TZoomView::ShowingWidget(widget()))
            return QAccessible::queryAccessibleInterface(view);
        return QAccessibleWidget::parent();
    }
    QRect rect() const override {
        if (!TZoomView::ShowingWidget(widget()))
            return QAccessibleWidget::rect();
        return ScreenRect(widget());
    }
};

QAccessibleInterface* ZoomAccessibleFactory(const QString& classname, QObject* object) {
    if (classname == QLatin1String("TZoomView"))
        return new TZoomViewAccessible(static_cast<TZoomView*>(object));
    if (classname == QLatin1String("TClientArea"))
        return new TClientAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
} // namespace

void InstallZoomAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ZoomAccessibleFactory);
        return true;
    }();
    (void)installed;
}
