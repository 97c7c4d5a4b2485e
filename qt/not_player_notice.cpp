#include "qt/not_player_notice.h"

#include <QMessageBox>

#include "qt/widgets/message_width.h"

namespace korvida::qt {

void NotPlayerNotice::tell(const QString& message)
{
    if (box != nullptr && box->isVisible()) {
        ++more;
        describe();
        return;
    }
    first = message;
    more = 0;
    box = new QMessageBox(parent());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Warning);
    box->setText(QStringLiteral("Not a player"));
    box->setStandardButtons(QMessageBox::Ok);
    describe();
    // Modal for the window, but returning at once: the program goes on answering.
    box->open();
}

void NotPlayerNotice::describe()
{
    QString text = first;
    if (more == 1)
        text += QStringLiteral("\n\n1 more folder cannot be opened either.");
    else if (more > 1)
        text += QStringLiteral("\n\n%1 more folders cannot be opened either.").arg(more);
    // Each new text lays the box out anew, without the width; setting the title again sizes
    // the box to it while it shows.
    box->setInformativeText(text);
    giveReadableWidth(*box);
    box->setText(box->text());
}

} // namespace korvida::qt
