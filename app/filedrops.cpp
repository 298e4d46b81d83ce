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
    case QEvent::DragEnter:
        takeable = carriesFilesToList(static_cast<QDragEnterEvent *>(event)->mimeData()->urls(), suffixes, pageOn);
        [[fallthrough]];
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!takeable || busy() || !takeAsCopy(drag))
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!takeable || busy() || !takeAsCopy(drop))
            return true;
        takeable = false;
        // Listed once the drop is over: a message box must not hold up the one who dragged.
        QTimer::singleShot(0, this, [this, urls = drop->mimeData()->urls()] { list(filesOfDrop(urls, suffixes)); });
        return true;
    }
    default:
        return false;
    }
}
