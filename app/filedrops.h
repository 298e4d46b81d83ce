// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

// Lets files and folders be dropped anywhere on a window and hands them to
// `list`, as files named on the command line are. A drag is taken when it
// carries a file for a page that is on, or a folder, and refused while
// `busy` says so; that is told from the addresses alone, at once however
// many they are. A folder stands for the files directly inside it that end
// in one of the pages' `suffixes`, read once it is dropped; only local files
// count. It
// watches the window and every part of it that takes drops of its own (the
// folder fields would take a dropped path as text).
class FileDrops : public QObject
{
public:
    FileDrops(QWidget *window, QStringList suffixes, std::function<bool(int page)> pageOn,
              std::function<bool()> busy, std::function<void(const QByteArrayList &)> list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList suffixes;
    std::function<bool(int page)> pageOn;
    std::function<bool()> busy;
    std::function<void(const QByteArrayList &)> list;
    bool takeable = false;  // the drag over the window
};
