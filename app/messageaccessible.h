// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;

// The message line for a screen reader: its accessible name is the message itself (or
// "Строка сообщений" while it is empty), so that the name change QLabel reports at every
// new text announces the message. The label's own accessibleName must stay empty: QLabel
// reports the change only then.
void MakeMessageAccessible(QLabel* label);
