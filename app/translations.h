// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Installs the program's translation for the user's language, as Qt finds
// it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), and Qt's own in the same
// language for its file chooser and message boxes. In a language the
// program has no translation for, or the C locale, nothing is installed and
// the texts are the source texts.
void installTranslations(QCoreApplication &app);
