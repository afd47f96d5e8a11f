// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "registry.h"
#include "zoom.h"

#include <QAction>

namespace {
const QString KeyPath = QStringLiteral("Software\\Tovrel");
const QString WinsName = QStringLiteral("Wins");
const QString LoseName = QStringLiteral("Lose");
const QString DrawName = QStringLiteral("Draw");
const QString HintName = QStringLiteral("NotHintVisible");
const QString SpeedName = QStringLiteral("NotSpeedGame");
const QString StrongName = QStringLiteral("StrongGame");
const QString ZoomName = QStringLiteral("Zoom");
} // namespace

void TfMain::ReadWriteSettings(bool Save) {
    // The key is closed when `reg` goes, also when a read or write throws.
    vesk::TRegistry reg;
    if (!Save) {
        // Until each value has been read, it counts as unread; an error stops the load and
        // leaves the rest so.
        FUnreadValues = uvWins | uvLose | uvDraw | uvHint | uvSpeed | uvStrong | uvZoom;
        if (!reg.OpenKey(KeyPath, true))
            return;
        auto counter = [&](const QString& name, std::uint8_t bit, std::int32_t& field) {
            if (reg.ValueExists(name))
                field = reg.ReadInteger(name);
            FUnreadValues &= std::uint8_t(~bit);
        };
        counter(WinsName, uvWins, Wins);
        counter(LoseName, uvLose, Lose);
        counter(DrawName, uvDraw, Draw);
        // Stored negated; the handler turns the check back.
        if (reg.ValueExists(HintName)) {
            mmHintVisible->setChecked(reg.ReadInteger(HintName) != 0);
            mmHintVisibleClick();
        }
        FUnreadValues &= std::uint8_t(~uvHint);
        if (reg.ValueExists(SpeedName)) {
            mmSpeedGame->setChecked(reg.ReadInteger(SpeedName) != 0);
            mmSpeedGameClick();
        }
        FUnreadValues &= std::uint8_t(~uvSpeed);
        // Not negated: unchecked unless stored non-zero.
        if (reg.ValueExists(StrongName) && reg.ReadInteger(StrongName) != 0)
            mmStrongGameClick();
        FUnreadValues &= std::uint8_t(~uvStrong);
        // The percentage: an offered size, or the largest below it; the largest that fits the
        // screen when that one does not.
        if (reg.ValueExists(ZoomName))
            SetZoom(LargestFittingZoom(vesk::zoom::FromStored(reg.ReadInteger(ZoomName))));
        FUnreadValues &= std::uint8_t(~uvZoom);
    } else {
        if (!reg.OpenKey(KeyPath, true))
            return;
        // A value the load could not read stays as it is in the file, unless this run has
        // changed it: a counter that is no longer 0, or cleared, or a toggled setting.
        auto counter = [&](const QString& name, std::uint8_t bit, std::int32_t field) {
            if (!(FUnreadValues & bit) || field != 0)
                reg.WriteInteger(name, field);
        };
        counter(WinsName, uvWins, Wins);
        counter(LoseName, uvLose, Lose);
        counter(DrawName, uvDraw, Draw);
        if (!(FUnreadValues & uvHint))
            reg.WriteInteger(HintName, mmHintVisible->isChecked() ? 0 : 1);
        if (!(FUnreadValues & uvSpeed))
            reg.WriteInteger(SpeedName, mmSpeedGame->isChecked() ? 0 : 1);
        if (!(FUnreadValues & uvStrong))
            reg.WriteInteger(StrongName, mmStrongGame->isChecked() ? 1 : 0);
        if (!(FUnreadValues & uvZoom))
            reg.WriteInteger(ZoomName, FZoom);
    }
    reg.CloseKey();
}

void TfMain::mmHintVisibleClick() {
    mmHintVisible->setChecked(!mmHintVisible->isChecked());
    lMessage->setVisible(mmHintVisible->isChecked());
    FUnreadValues &= std::uint8_t(~uvHint);
}

void TfMain::mmSpeedGameClick() {
    mmSpeedGame->setChecked(!mmSpeedGame->isChecked());
    FUnreadValues &= std::uint8_t(~uvSpeed);
}

// The opponent changes at the next new game: one game, one opponent.
void TfMain::mmStrongGameClick() {
    mmStrongGame->setChecked(!mmStrongGame->isChecked());
    FUnreadValues &= std::uint8_t(~uvStrong);
}
