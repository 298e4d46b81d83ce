// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes SIGTERM, SIGINT and SIGHUP (the session ending, Ctrl+C in a
// terminal) quit the event loop like closing the window does, so that a
// running tool is ended and its unfinished output removed. The exit status
// is then 128 plus the signal's number, as for a program the signal killed.
// Needs the application object.
void quitOnTerminationSignals();
