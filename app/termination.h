#pragma once

class QWidget;

// A termination signal (SIGTERM, SIGINT, SIGHUP) closes the main window the ordinary way, so
// that the settings are stored once and nothing is left half done. An open modal dialog or
// box is closed first; a close during an engine pause waits for the pause to end.
void CloseOnTerminationSignal(QWidget* mainWindow);
