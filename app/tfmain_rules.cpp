// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfmain.h"

#include "modal.h"
#include "tfrules.h"

#include <memory>

void TfMain::mmRulesClick() {
    // Created afresh for each showing and destroyed right after, like the other dialogs.
    std::unique_ptr<TfRules> dialog(new TfRules(this));
    fRules = dialog.get();
    struct Forget {
        ~Forget() { fRules = nullptr; }
    } forget;
    vesk::ExecModal(dialog.get());
}
