// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardmotion.h"

#include "devicepixels.h"
#include "panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

TCardMotion::TCardMotion(QWidget* area, const QColor& ground) : QWidget(area) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    FTray = new TPanel(this);
    FTray->SetGround(ground);
    FTray->setGeometry(0, 0, 2 * TCard::CardHeight, 2 * TCard::CardHeight);
    FTray->hide();
    FStandIn = new TCard(FTray);
    FStandIn->move(TCard::CardWidth / 2, TCard::CardWidth / 2);
    hide();
}

TCardMotion::~TCardMotion() {
    Finish(); // also when a motion is cut short: no card stays hidden
}

void TCardMotion::Start(std::vector<TCardFlight> flights, qreal scale) {
    FFlights = std::move(flights);
    // Every picture made now, so that no frame waits for one (a face shown for the first time
    // at a size is drawn then).
    for (const TCardFlight& f : FFlights)
        for (const bool faceUp : {f.From.FaceUp, f.To.FaceUp})
            for (const TCardOrientation o : {f.From.Orientation, f.To.Orientation, coVertical})
                if (!faceUp || o == coVertical) // a crosswise card shows its back
                    Picture(f.Card, faceUp, o, scale);
    FFrames.assign(FFlights.size(), TFlightFrame{});
    for (const TCardFlight& f : FFlights)
        if (f.To.Shown)
            f.Card->Conceal();
    setGeometry(parentWidget()->rect());
    raise();
    show();
    SetTime(0);
}

QRect TCardMotion::Bounds(const TFlightFrame& frame) {
    if (!frame.Drawn)
        return {};
    // The picture narrowed and turned as drawn, and a pixel around it for the smoothed edge.
    const bool upright = frame.Orientation == coVertical;
    const qreal w = (upright ? TCard::CardWidth : TCard::CardHeight) * frame.Width;
    const qreal h = upright ? TCard::CardHeight : TCard::CardWidth;
    const qreal a = qDegreesToRadians(frame.Angle);
    const qreal c = std::abs(std::cos(a));
    const qreal s = std::abs(std::sin(a));
    const QSizeF size(w * c + h * s, w * s + h * c);
    const QRectF r(frame.Centre - QPointF(size.width(), size.height()) / 2, size);
    return r.toAlignedRect().adjusted(-2, -2, 2, 2);
}

void TCardMotion::SetTime(qreal ms) {
    FTime = ms;
    QRegion dirty;
    for (std::size_t i = 0; i < FFlights.size(); ++i) {
        const TFlightFrame now = FrameAt(FFlights[i], ms);
        if (now == FFrames[i])
            continue;
        dirty += Bounds(FFrames[i]);
        dirty += Bounds(now);
        FFrames[i] = now;
    }
    if (!dirty.isEmpty())
        update(dirty);
}

void TCardMotion::Finish() {
    for (const TCardFlight& f : FFlights)
        f.Card->Reveal();
    FFlights.clear();
    FFrames.clear();
    FPictures.clear();
    hide();
}

const QPixmap& TCardMotion::Picture(const TCard* card, bool faceUp, TCardOrientation o,
                                    qreal scale) {
    if (scale != FPictureScale) {
        FPictures.clear();
        FPictureScale = scale;
    }
    // A back is every card's; a face is one card's.
    const quint32 key = (faceUp ? card->CardNomber() + 1u : 0u) << 1 | quint32(o);
    auto it = FPictures.find(key);
    if (it != FPictures.end())
        return *it;
    FStandIn->SetCardNomber(card->CardNomber());
    FStandIn->FaceBitmap = card->FaceBitmap;
    FStandIn->FaceBitmap2x = card->FaceBitmap2x;
    FStandIn->SetFaced(faceUp);
    FStandIn->SetOrientation(o);
    const QSize device(qRound(FStandIn->width() * scale), qRound(FStandIn->height() * scale));
    QPixmap picture(device);
    picture.fill(Qt::transparent);
    picture.setDevicePixelRatio(scale);
    FStandIn->render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
    picture.setDevicePixelRatio(1); // drawn in device pixels
    return *FPictures.insert(key, picture);
}

void TCardMotion::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal scale = DevicePixels::ScaleOf(p);
    if (scale <= 0)
        return; // a turned painter: nothing of ours paints there
    const QTransform toDevice = p.deviceTransform();
    DevicePixels::TDeviceSpace space(p);
    auto draw = [&](std::size_t i) {
        const TFlightFrame& f = FFrames[i];
        if (!f.Drawn)
            return;
        const QPixmap& picture = Picture(FFlights[i].Card, f.FaceUp, f.Orientation, scale);
        const QPointF centre = toDevice.map(f.Centre);
        const QPointF half(picture.width() / 2.0, picture.height() / 2.0);
        if (f.Angle == 0 && f.Width == 1 && f.Opacity == 1) {
            const QPointF at = centre - half;
            p.drawPixmap(QPoint(qRound(at.x()), qRound(at.y())), picture);
            return;
        }
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(centre);
        p.rotate(f.Angle);
        p.scale(std::max(f.Width, 0.02), 1);
        p.setOpacity(f.Opacity);
        p.drawPixmap(-half, picture);
        p.restore();
    };
    // Those waiting to set off lie under those on their way, the next to go on top.
    for (std::size_t i = FFlights.size(); i-- > 0;)
        if (FTime < FFlights[i].Start)
            draw(i);
    for (std::size_t i = 0; i < FFlights.size(); ++i)
        if (FTime >= FFlights[i].Start)
            draw(i);
}
