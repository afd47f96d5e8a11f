// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "registry.h"
#include "zoom.h"

#include <QAction>

namespace {
const QString KeyPath = QStringLiteral("Software\\Tovrel");
const QString HintName = QStringLiteral("NotHintVisible");
const QString SpeedName = QStringLiteral("NotSpeedGame");
const QString StrongName = QStringLiteral("StrongGame");
const QString TransferName = QStringLiteral("TransferGame");
const QString ZoomName = QStringLiteral("Zoom");
const QString AnimationName = QStringLiteral("NotAnimation");
} // namespace

void TfMain::ReadWriteSettings(bool Save) {
    // The key is closed when `reg` goes, also when a read or write throws.
    vesk::TRegistry reg;
    if (!Save) {
        // Until each value has been read, it counts as unread; an error stops the load and
        // leaves the rest so.
        FUnreadValues = uvHint | uvSpeed | uvStrong | uvTransfer | uvZoom | uvAnimation;
        FScore.ForgetLoad();
        FBreakdown.ForgetLoad();
        if (!reg.OpenKey(KeyPath, true))
            return;
        FScore.Load(reg);
        // Stored negated; the handler turns the check back.
        if (reg.ValueExists(HintName)) {
            mmHintVisible->setChecked(reg.ReadInteger(HintName) != 0);
            mmHintVisibleClick();
        }
        FUnreadValues &= std::uint16_t(~uvHint);
        if (reg.ValueExists(SpeedName)) {
            mmSpeedGame->setChecked(reg.ReadInteger(SpeedName) != 0);
            mmSpeedGameClick();
        }
        FUnreadValues &= std::uint16_t(~uvSpeed);
        // Not negated: unchecked unless stored non-zero.
        if (reg.ValueExists(StrongName) && reg.ReadInteger(StrongName) != 0)
            mmStrongGameClick();
        FUnreadValues &= std::uint16_t(~uvStrong);
        if (reg.ValueExists(TransferName) && reg.ReadInteger(TransferName) != 0)
            mmTransferGameClick();
        FUnreadValues &= std::uint16_t(~uvTransfer);
        // The percentage: an offered size, or the largest below it; the largest that fits the
        // screen when that one does not.
        if (reg.ValueExists(ZoomName))
            SetZoom(LargestFittingZoom(vesk::zoom::FromStored(reg.ReadInteger(ZoomName))));
        FUnreadValues &= std::uint16_t(~uvZoom);
        if (reg.ValueExists(AnimationName)) {
            mmAnimation->setChecked(reg.ReadInteger(AnimationName) != 0);
            mmAnimationClick();
        }
        FUnreadValues &= std::uint16_t(~uvAnimation);
        FBreakdown.Load(reg);
    } else {
        if (!reg.OpenKey(KeyPath, true))
            return;
        // A setting the load could not read stays as it is in the file, unless toggled.
        FScore.Save(reg);
        if (!(FUnreadValues & uvHint))
            reg.WriteInteger(HintName, mmHintVisible->isChecked() ? 0 : 1);
        if (!(FUnreadValues & uvSpeed))
            reg.WriteInteger(SpeedName, mmSpeedGame->isChecked() ? 0 : 1);
        if (!(FUnreadValues & uvStrong))
            reg.WriteInteger(StrongName, mmStrongGame->isChecked() ? 1 : 0);
        if (!(FUnreadValues & uvTransfer))
            reg.WriteInteger(TransferName, mmTransferGame->isChecked() ? 1 : 0);
        if (!(FUnreadValues & uvZoom))
            reg.WriteInteger(ZoomName, FZoom);
        if (!(FUnreadValues & uvAnimation))
            reg.WriteInteger(AnimationName, mmAnimation->isChecked() ? 0 : 1);
        FBreakdown.Save(reg);
    }
    reg.CloseKey();
}

void TfMain::mmHintVisibleClick() {
    mmHintVisible->setChecked(!mmHintVisible->isChecked());
    lMessage->setVisible(mmHintVisible->isChecked());
    FUnreadValues &= std::uint16_t(~uvHint);
}

void TfMain::mmSpeedGameClick() {
    mmSpeedGame->setChecked(!mmSpeedGame->isChecked());
    FUnreadValues &= std::uint16_t(~uvSpeed);
}

// The opponent changes at the next new game: one game, one opponent.
void TfMain::mmStrongGameClick() {
    mmStrongGame->setChecked(!mmStrongGame->isChecked());
    FUnreadValues &= std::uint16_t(~uvStrong);
}

// The rule set changes at the next new game: one game, one rule set.
void TfMain::mmTransferGameClick() {
    mmTransferGame->setChecked(!mmTransferGame->isChecked());
    FUnreadValues &= std::uint16_t(~uvTransfer);
}
