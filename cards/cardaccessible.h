// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card.h"

#include <QString>

class TCardBatch;
class TGamePlace;
class TPlayerPlace;

// What a screen reader says for the cards and the places that hold them, in Russian.
// A card is named by its face only while it shows it: face up and upright.
QString CardAccessibleName(const TCard* card);
QString HandAccessibleName(const TPlayerPlace* hand);
QString TableAccessibleName(const TGamePlace* table);
QString PileAccessibleName(const TCardBatch* pile);

// Makes the cards, the hands, the table and the stock pile answer the accessibility
// interface with those names. Installing it more than once changes nothing.
void InstallCardAccessibility();
