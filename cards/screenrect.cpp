// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screenrect.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>
#include <QtMath>

QRectF ScreenRectF(const QWidget* w, const QRectF& r) {
    const QWidget* top = w->window();
    const QGraphicsProxyWidget* proxy = top->graphicsProxyWidget();
    if (proxy && proxy->scene() && !proxy->scene()->views().isEmpty()) {
        const QGraphicsView* view = proxy->scene()->views().first();
        const QRectF inTop(w->mapTo(top, r.topLeft()), r.size());
        const QRectF inView =
            view->viewportTransform().mapRect(proxy->sceneTransform().mapRect(inTop));
        return ScreenRectF(view->viewport(), inView);
    }
    return QRectF(w->mapToGlobal(r.topLeft()), w->mapToGlobal(r.bottomRight()));
}

QRect ScreenRect(const QWidget* w) {
    if (!w->isVisible())
        return {};
    const QRectF r = ScreenRectF(w, QRectF(QPointF(0, 0), QSizeF(w->size())));
    auto round = [](qreal v) { return qFloor(v + 0.5); };
    return QRect(QPoint(round(r.left()), round(r.top())),
                 QPoint(round(r.right()) - 1, round(r.bottom()) - 1));
}
