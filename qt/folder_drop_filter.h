#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMimeData;

namespace korvida::qt {

// The local file names a drag carries, in the order given; empty when its first entry is
// not a local folder (a text snippet, a web address, a file).
std::vector<std::string> localFileNames(const QMimeData* data);

// Makes a widget a drop point for folders from the file manager: every drag that enters
// is offered the copy operation, and a drop hands its local file names to the handler,
// whose answer accepts or refuses it. A drop without local files is refused unasked.
class FolderDropFilter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(const std::vector<std::string>& fileNames)>;

    FolderDropFilter(Handler handler, QObject* parent);

    // Installs the filter on the widget and lets it take drops.
    void watch(class QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler;
};

} // namespace korvida::qt
