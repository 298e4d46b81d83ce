// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The tools, by the name they are started with: found on the PATH when a
// job runs, and looked for at start-up where Debian installs them.
namespace Tool {
inline constexpr char lame[] = "lame";
inline constexpr char ffmpeg[] = "ffmpeg";
inline constexpr char normalizeAudio[] = "normalize-audio";
} // namespace Tool

// Where Debian installs a tool: "/usr/bin/lame".
QString installedPath(const char *tool);

// Whether a file of the tool's name is in a folder of the PATH, runnable or not.
bool isOnSearchPath(const char *tool);

// The tool and its arguments as one line for a shell, each quoted where it
// needs to be: what a user pastes into a terminal or a bug report.
QString shellCommand(const char *tool, const QStringList &arguments);

// The argument lists handed to the tools, one file at a time. Each path is
// one argument; nothing is quoted, since no shell sits in between.

// lame, mp3 -> wav
QStringList decodeArguments(const QString &input, const QString &output);

// normalize-audio, in place
QStringList normalizeArguments(const QString &input);

// lame, wav -> mp3 at a constant bit rate ("256", "192", "128"; empty: no
// preset) with the tag options of id3Arguments, or none
QStringList encodeArguments(const QString &bitRate, const QStringList &tagArguments,
                            const QString &input, const QString &output);

// ffmpeg, the sound track of a video as 44100 Hz stereo
QStringList extractArguments(const QString &input, const QString &output);
