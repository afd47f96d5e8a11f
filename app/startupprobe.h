#pragma once

class TfMain;

// For the benchmarks only, and only when VESK_STARTUP_PROBE is set: prints "painted" when the
// main window has first been painted, optionally plays VESK_PROBE_GAMES games through the
// window, prints the peak resident memory, then presses Ctrl+X and prints "exit".
void InstallStartupProbe(TfMain* window);
