// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt aborts when none of its platform plugins can start: with no display,
// or on Wayland without its Wayland plugin. The program says instead in one
// line on standard error what is missing and ends with status 1.

// Before the application object: ends the program when there is no display
// to show the window on, and holds back what Qt says while it starts.
void startWindowSystem(int argc, char **argv);
// Once the application object is there: gives what was held back.
void windowSystemStarted();
