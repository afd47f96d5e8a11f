#pragma once

// Call before the application object exists. Qt's GLib-based event loop writes to a wake-up
// descriptor for every event posted (one system call each, and showing or moving a widget posts
// several); its plain loop writes once until the loop next runs. The program uses no GLib
// facility, so it takes the plain loop, unless QT_NO_GLIB is set already, even empty: whoever
// set it chose.
void ChoosePlainEventLoop();
