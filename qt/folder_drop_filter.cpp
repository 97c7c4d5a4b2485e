#include "qt/folder_drop_filter.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <system_error>

namespace korvida::qt {

namespace {

// The file's path as its bytes: the address keeps a name that is not UTF-8 percent-encoded,
// and decoding it to text would lose those bytes.
std::string localPathBytes(const QUrl& url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

} // namespace

std::vector<std::string> localFileNames(const QMimeData* data)
{
    std::vector<std::string> names;
    if (data == nullptr || !data->hasUrls())
        return names;
    const QList<QUrl> urls = data->urls();
    // The first entry is the one opened: when it is not a local folder the drag is refused
    // rather than opening whatever comes next.
    std::error_code error;
    if (urls.isEmpty() || !urls.front().isLocalFile() ||
        !std::filesystem::is_directory(localPathBytes(urls.front()), error))
        return names;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            names.push_back(localPathBytes(url));
    }
    return names;
}

FolderDropFilter::FolderDropFilter(Handler dropHandler, QObject* parent)
    : QObject(parent), handler(std::move(dropHandler))
{}

void FolderDropFilter::watch(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

bool FolderDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::string> names = localFileNames(drop->mimeData());
        if (!names.empty() && handler && handler(names)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        } else {
            drop->ignore();
        }
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}

} // namespace korvida::qt
