// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A rename is not on the disk when it returns, nor is the data of the file
// it names: after a power cut the file system may hold the new name with
// nothing in it, or the old name still. A result counts as kept only once
// its data and then its name have been flushed. Each function gives 0 or
// the errno of what failed (EIO, ENOSPC, EDQUOT on a network or FUSE folder).

// Flushes the data of the file at `path`.
int flushFile(const QString &path);
// Flushes the folder that holds `path`: the names in it.
int flushFolderOf(const QString &path);
// Flushes `from`'s data, renames it onto `to` and flushes `to`'s folder.
// When the flush of the data fails nothing is renamed, and a file that was
// under `to` stays.
int durableRename(const QString &from, const QString &to);
