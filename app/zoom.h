// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGraphicsView>
#include <QList>
#include <QPointer>
#include <QWidget>

class QGraphicsProxyWidget;
class QScreen;

// The zoomed table. Qt 6.4 has no scale factor of its own for one window, so the zoom is ours:
// the client area keeps the described layout in layout pixels (what every member of the window
// reads), and at a zoom other than 100 % it is shown through a graphics view whose one
// transform carries every geometry, font and picture size from layout pixels to window pixels;
// the desktop's own device pixel ratio multiplies on top. At 100 % the client area is the
// window's central widget itself, exactly as before there was a zoom.
namespace vesk::zoom {

// The sizes offered, in per cent, smallest first.
const QList<int>& Levels();

// A stored value as a size: the largest offered size not above it, and at least 100.
int FromStored(qint64 stored);

// The next offered size up (direction +1) or down (-1) from `percent` for which `fits` says
// yes; `percent` itself when there is none.
int Step(int percent, int direction, const std::function<bool(int)>& fits);

// The window pixels a layout size takes at a zoom: rounded to whole pixels.
QSize Scaled(QSize layout, int percent);

} // namespace vesk::zoom

// The client area of the main window: a plain widget that holds the hands and the table. Its
// own class only so that the accessibility layer can find it where the zoom has put it.
class TClientArea : public QWidget {
    Q_OBJECT
public:
    explicit TClientArea(QWidget* parent = nullptr) : QWidget(parent) {}
};

// Shows one client area at a zoom: a frameless graphics view with no scroll bars, exactly the
// client area's size times the zoom, that passes the mouse, the keyboard and the focus through
// to the widgets of the client area at their layout coordinates.
class TZoomView : public QGraphicsView {
    Q_OBJECT
public:
    explicit TZoomView(QWidget* parent = nullptr);
    ~TZoomView() override;

    // Takes the client area in (it becomes the view's, shown at the zoom) or, with null, lets
    // it go hidden and without a parent.
    void SetClient(QWidget* client);
    QWidget* Client() const { return FClient; }
    void SetZoom(int percent);
    int Zoom() const { return FPercent; }
    QGraphicsProxyWidget* Proxy() const { return FProxy; }

    // Where a rectangle of a widget of the client area lies in the view, in its pixels.
    QRectF MapFromClient(const QWidget* w, const QRectF& r) const;

    // The view in which a widget of some client area is shown, if any.
    static TZoomView* ShowingWidget(const QWidget* w);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    QPointer<QWidget> FClient;
    QGraphicsProxyWidget* FProxy = nullptr;
    int FPercent = 100;
};

// The view, the client area and what lies in it answer a screen reader as one tree under the
// main window, wherever the zoom has put the client area. Installing it twice changes nothing.
void InstallZoomAccessibility();
