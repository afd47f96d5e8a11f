// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The termination signals (SIGTERM, SIGINT, SIGHUP) are listened for from this call on. Made
// right after the application object, before the main window loads the settings: a signal
// that comes while a box of the load is open closes the box and is kept for the window.
void ListenForTerminationSignals();

// A termination signal closes the main window the ordinary way, so that the settings are
// stored once and nothing is left half done. An open modal dialog or box is closed first; a
// close during an engine pause waits for the pause to end. A signal that came before the
// window was named closes it now. Listens for the signals if that was not done yet.
void CloseOnTerminationSignal(QWidget* mainWindow);
