#pragma once

#include <QDialog>
#include <QFileSystemWatcher>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvida::qt {

// A dialog that chooses a folder: the folder shown is the one chosen. The path field and
// the list of its folders only ever move about (Return in the field goes to the folder
// typed, a double click or Return in the list goes into a folder); only the accept button,
// whose text says what happens there ("Copy Here"), chooses. The list is read afresh from
// the disk whenever the folder changes on the disk or the dialog comes to the front, so a
// folder made meanwhile by another program is there to be chosen.
class FolderChooserDialog final : public QDialog {
    Q_OBJECT

public:
    FolderChooserDialog(const QString& acceptText, const QString& startFolder, QWidget* parent = nullptr);

    // The folder shown, and chosen when the dialog is accepted.
    QString folder() const { return current; }
    // Shows `path` (absolute, or relative to the folder shown; "~" is the home folder).
    // False, with a note in the dialog, when no folder stands there.
    bool goTo(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void readFolder();
    void enterSelected();
    void makeFolder();
    void acceptFolder();
    void showProblem(const QString& text);

    QString current;
    QFileSystemWatcher watcher;
    QLineEdit* pathField;
    QListWidget* folders;
    QLabel* problem;
    QPushButton* acceptButton;
};

} // namespace korvida::qt
