#include "qt/services/folder_chooser_dialog.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvida::qt {

namespace {

bool isReturn(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FolderChooserDialog::FolderChooserDialog(const QString& acceptText, const QString& startFolder, QWidget* parent)
    : QDialog(parent), pathField(new QLineEdit), folders(new QListWidget), problem(new QLabel)
{
    setWindowTitle(tr("Choose a Folder"));
    resize(560, 420);

    auto* up = new QPushButton(tr("Enclosing Folder"));
    up->setAutoDefault(false);
    connect(up, &QPushButton::clicked, this, [this] { goTo(QStringLiteral("..")); });
    auto* top = new QHBoxLayout;
    top->addWidget(up);
    top->addWidget(pathField, 1);
    pathField->installEventFilter(this);

    folders->installEventFilter(this);
    connect(folders, &QListWidget::itemDoubleClicked, this, [this] { enterSelected(); });
    problem->setWordWrap(true);
    problem->setHidden(true);

    // "New Folder" apart on the left, the answers on the right with the one that chooses last.
    auto* newFolder = new QPushButton(tr("New Folder"));
    newFolder->setAutoDefault(false);
    connect(newFolder, &QPushButton::clicked, this, [this] { makeFolder(); });
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    acceptButton = new QPushButton(acceptText);
    acceptButton->setDefault(true);
    connect(acceptButton, &QPushButton::clicked, this, [this] { acceptFolder(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newFolder);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(acceptButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(folders, 1);
    layout->addWidget(problem);
    layout->addLayout(buttons);

    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, [this] { readFolder(); });
    if (!goTo(startFolder))
        goTo(QDir::homePath());
    folders->setFocus();
}

bool FolderChooserDialog::goTo(const QString& path)
{
    QString wanted = path.trimmed();
    if (wanted == QStringLiteral("~") || wanted.startsWith(QStringLiteral("~/")))
        wanted = QDir::homePath() + wanted.mid(1);
    const QFileInfo info(current.isEmpty() ? wanted : QDir(current).filePath(wanted));
    if (wanted.isEmpty() || !info.isDir()) {
        showProblem(tr("There is no folder at %1.").arg(path.trimmed()));
        return false;
    }
    if (!current.isEmpty())
        watcher.removePath(current);
    current = QDir::cleanPath(info.absoluteFilePath());
    watcher.addPath(current);
    pathField->setText(current);
    problem->setHidden(true);
    readFolder();
    return true;
}

void FolderChooserDialog::readFolder()
{
    // A folder removed while shown gives way to the nearest one still there.
    if (!QFileInfo(current).isDir()) {
        const QString gone = current;
        QString standing = current;
        while (!QFileInfo(standing).isDir())
            standing = QFileInfo(standing).path();
        goTo(standing);
        showProblem(tr("The folder %1 is gone.").arg(gone));
        return;
    }
    const QString selected = folders->currentItem() != nullptr ? folders->currentItem()->text() : QString();
    folders->clear();
    // A new QDir reads the disk as it is now.
    folders->addItems(
        QDir(current).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
    const auto kept = folders->findItems(selected, Qt::MatchExactly);
    if (!kept.isEmpty())
        folders->setCurrentItem(kept.first());
}

void FolderChooserDialog::enterSelected()
{
    if (folders->currentItem() != nullptr)
        goTo(folders->currentItem()->text());
}

void FolderChooserDialog::makeFolder()
{
    bool given = false;
    const QString name = QInputDialog::getText(this, tr("New Folder"), tr("Name of the new folder:"), QLineEdit::Normal,
                                               {}, &given);
    if (!given || name.isEmpty())
        return;
    if (name.contains(QLatin1Char('/')) || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        !QDir(current).mkdir(name)) {
        showProblem(tr("Could not make the folder %1 here.").arg(name));
        return;
    }
    goTo(name);
}

void FolderChooserDialog::acceptFolder()
{
    if (!QFileInfo(current).isDir()) {
        readFolder();
        return;
    }
    accept();
}

void FolderChooserDialog::showProblem(const QString& text)
{
    problem->setText(text);
    problem->setHidden(false);
}

bool FolderChooserDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Return moves about, in the field and in the list alike; it never chooses.
    if (watched == pathField && isReturn(event)) {
        goTo(pathField->text());
        return true;
    }
    if (watched == folders && isReturn(event)) {
        enterSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FolderChooserDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !current.isEmpty())
        readFolder();
    QDialog::changeEvent(event);
}

} // namespace korvida::qt
