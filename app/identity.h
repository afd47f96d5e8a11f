// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The program's one application id: the desktop entry, the software-centre data and the
// installed icon are named after it, so that a desktop matches the window to its menu entry.
extern const char* const AppId;

// Names the application's desktop entry and gives every window the program's icon. Call once
// the application object exists.
void ApplyIdentity();
