// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfabout.h"
#include "tfmain.h"

#include "modal.h"

void TfMain::mmAboutClick() {
    vesk::TDialogOnce<TfAbout> dialog(fAbout, new TfAbout(this));
    dialog.Exec();
}
