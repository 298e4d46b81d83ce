// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>

class QProcess;

// The environment the tools run in: the program's own, but with a UTF-8
// character type whatever the user's locale. lame turns tag text into ID3
// text by it, and the names it is given are UTF-8 (Qt passes them so); under
// plain "C" it cuts "Künstler" down to "K".
QProcessEnvironment withUtf8CharacterType(QProcessEnvironment environment);

// Makes the kernel end the tools the process starts when the program dies,
// even by SIGKILL, which leaves no chance to end them in an orderly way.
void endWithTheProgram(QProcess *process);
