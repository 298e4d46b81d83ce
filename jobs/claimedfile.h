// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A hidden file of the program's beside a user's file (a temporary output,
// a note on a file rewritten in place), claimed by a lock for as long as the
// run that made it holds it. The lock goes with the process, however it
// ends: a hidden file whose lock is free was left by a run that was killed,
// and the next run may clear it, while a file of a program still running
// (two may work in one folder) is never touched.
class ClaimedFile
{
public:
    ClaimedFile() = default;
    ClaimedFile(ClaimedFile &&other) noexcept;
    ClaimedFile &operator=(ClaimedFile &&other) noexcept;
    ClaimedFile(const ClaimedFile &) = delete;
    ClaimedFile &operator=(const ClaimedFile &) = delete;
    ~ClaimedFile();  // lets the claim go; the file stays

    // A new, empty hidden file beside `finalPath`, ending in its suffix, and
    // claimed; none, with errno set, when the folder takes no new file.
    static ClaimedFile createBeside(const QString &finalPath);
    // The claim on a hidden file that no running program holds, checked to
    // be still under its name; none when one holds it or it cannot be told.
    static ClaimedFile takeOver(const QString &path);

    bool exists() const { return descriptor >= 0; }
    const QString &path() const { return name; }
    int fd() const { return descriptor; }
    // Removes the file while it is still claimed.
    void remove();
    void release();

private:
    ClaimedFile(QString path, int fd) : name(std::move(path)), descriptor(fd) {}

    QString name;
    int descriptor = -1;
};
