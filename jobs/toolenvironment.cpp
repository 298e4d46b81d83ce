// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolenvironment.h"

#include <QProcess>
#include <QStringList>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

bool isUtf8Locale(const QString &name)
{
    const QString lowered = name.toLower();
    return lowered.contains(QLatin1String("utf-8")) || lowered.contains(QLatin1String("utf8"));
}

} // namespace

QProcessEnvironment withUtf8CharacterType(QProcessEnvironment environment)
{
    // The character type comes from LC_ALL, else LC_CTYPE, else LANG.
    const QString all = environment.value(QStringLiteral("LC_ALL"));
    const QString ctype = environment.value(QStringLiteral("LC_CTYPE"));
    const QString effective = !all.isEmpty() ? all : !ctype.isEmpty() ? ctype : environment.value(QStringLiteral("LANG"));
    if (isUtf8Locale(effective))
        return environment;
    if (!all.isEmpty()) {
        // LC_ALL overrides every category: hand its value to the others one by one instead.
        for (const char *category : {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME"})
            environment.insert(QLatin1String(category), all);
        environment.remove(QStringLiteral("LC_ALL"));
    }
    environment.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    return environment;
}

void endWithTheProgram(QProcess *process)
{
    const pid_t program = getpid();
    process->setChildProcessModifier([program] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != program)  // the program died before the line above
            _exit(127);
    });
}
