// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The face pictures of the 36 cards (suit 0..3 = clubs, diamonds, hearts, spades; value
// 0..8 = six..ace), at a whole scale: 71 x 96 pixels times the scale. Scales 1 and 2 are the
// pictures compiled into the program; the program draws larger ones when a zoomed table
// needs them.
namespace CardFaces {

QImage Face(int suit, int value, int scale);

// Parts shared by the number cards and the court cards.
QRgb InkOf(int suit);
// The rank mark with its small pip in the top-left corner and, turned, in the bottom-right.
void DrawIndex(QImage& card, int suit, int value, QRgb ink, int scale);

QImage NumberFace(int suit, int value, int scale); // six..ten and the aces
QImage CourtFace(int suit, int value, int scale);  // jack, queen, king
// The one large ornamented spade of the ace of spades.
void DrawAceOfSpades(QImage& card, int scale);

} // namespace CardFaces
