// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedrops.h"

#include "listingorder.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>
#include <utility>

FileDrops::FileDrops(QWidget *window, QStringList suffixes, std::function<bool(int page)> pageOn,
                     std::function<bool()> busy, std::function<void(const QByteArrayList &)> list)
    : QObject(window), suffixes(std::move(suffixes)), pageOn(std::move(pageOn)), busy(std::move(busy)),
      list(std::move(list))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *part : window->findChildren<QWidget *>()) {
        if (part->acceptDrops())
            part->installEventFilter(this);
    }
}

namespace {

// A drop is taken as a copy: taken as a move, it could lead the file
// manager that the files came from to remove them.
bool takeAsCopy(QDropEvent *drop)
{
    if (!(drop->possibleActions() & Qt::CopyAction))
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    return true;
}

} // namespace

bool FileDrops::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter: {
        const QMimeData *carried = static_cast<QDragEnterEvent *>(event)->mimeData();
        dragged = filesOfDrop(carried->urls(), suffixes);
        const FilesForPages sorted = sortOutFiles(dragged, suffixes);
        bool listable = false;
        for (int page = 0; page < sorted.pages.size(); ++page)
            listable = listable || (!sorted.pages[page].isEmpty() && pageOn(page));
        for (const FilesForPages::LeftOut &file : sorted.leftOut)
            listable = listable || file.reason == FilesForPages::NotUtf8;
        if (!listable)
            dragged.clear();
        [[fallthrough]];
    }
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (dragged.isEmpty() || busy() || !takeAsCopy(drag))
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (dragged.isEmpty() || busy() || !takeAsCopy(drop))
            return true;
        // Listed once the drop is over: a message box must not hold up the one who dragged.
        QTimer::singleShot(0, this, [this, files = std::exchange(dragged, {})] { list(files); });
        return true;
    }
    default:
        return false;
    }
}
