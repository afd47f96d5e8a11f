// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette.h"

QRgb Palette::Nearest(QRgb c) {
    QRgb best = All[0];
    int bestDistance = 1 << 30;
    for (QRgb p : All) {
        const int dr = qRed(c) - qRed(p);
        const int dg = qGreen(c) - qGreen(p);
        const int db = qBlue(c) - qBlue(p);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = p;
        }
    }
    return best;
}
