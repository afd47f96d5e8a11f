// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardflight.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <vector>

class TPanel;

// Cards on their way: a see-through layer over the whole client area that draws pictures of
// the moving cards while the cards themselves already lie, hidden, where they end. Whatever
// the motion shows, the cards' places, parents, stacking and faces are already the final ones.
class TCardMotion : public QWidget {
    Q_OBJECT
public:
    // `ground`: what the tables show around a card's rounded corners.
    TCardMotion(QWidget* area, const QColor& ground);
    ~TCardMotion() override;

    // Hides the cards that arrive somewhere and shows their pictures at the start; `scale`:
    // the device pixels per layout pixel the layer is shown at.
    void Start(std::vector<TCardFlight> flights, qreal scale);
    // Shows the moment `ms` into the motion; repaints only where a picture was or now is.
    void SetTime(qreal ms);
    // Every card shown where it lies; the layer hides and lets its pictures go.
    void Finish();
    int Length() const { return MotionLength(FFlights); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The picture of a card as it shows at `scale` device pixels per layout pixel.
    const QPixmap& Picture(const TCard* card, bool faceUp, TCardOrientation o, qreal scale);
    // What a frame may cover, in layout pixels.
    static QRect Bounds(const TFlightFrame& frame);

    std::vector<TCardFlight> FFlights;
    std::vector<TFlightFrame> FFrames;
    qreal FTime = 0;
    // A card that is never shown, on a panel of the tables' ground, painted into the pictures.
    TPanel* FTray = nullptr;
    TCard* FStandIn = nullptr;
    QHash<quint32, QPixmap> FPictures;
    qreal FPictureScale = 0;
};
