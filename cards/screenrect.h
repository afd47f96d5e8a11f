// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QRectF>

class QWidget;

// Where a rectangle of a widget lies on the screen, also when the widget is shown through a
// graphics view that scales it (a zoomed table): through the view's own transform. Qt 6.4's
// QWidget::mapToGlobal puts the view's offset in its window under the view's scale there.
QRectF ScreenRectF(const QWidget* w, const QRectF& r);

// The screen pixels a widget covers, both edges rounded; empty while it is not shown.
QRect ScreenRect(const QWidget* w);
