// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "modal.h"
#include "recorder.h"
#include "tfreview.h"

// The last game that ended, or was left after a move; the game on the table goes on.
void TfMain::mmReviewClick() {
    if (!FRecorder || !FRecorder->Last())
        return;
    vesk::TDialogOnce<TfReview> dialog(fReview, new TfReview(*FRecorder->Last(), this));
    dialog.Exec();
}
