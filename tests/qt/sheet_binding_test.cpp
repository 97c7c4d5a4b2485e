#include <QDialog>
#include <QMainWindow>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "qt/binding/binder.h"

using korvida::Panel;
using korvida::Window;

namespace {

// A main window with a sheet, bound as the program binds its preferences.
class SheetBindingTest : public ::testing::Test {
protected:
    SheetBindingTest() : dialog(new QDialog(&mainWidget))
    {
        new QVBoxLayout(dialog);
        sheet.setFrame(korvida::makeRect(0.0f, 0.0f, 300.0f, 120.0f));
        binder.bindWindow(mainWindow, &mainWidget, &mainWidget, &mainWidget);
        binder.bindWindow(sheet, dialog, dialog, dialog, [this] {
            ++dismissed;
            if (closesOnDismiss)
                sheet.endSheet();
        });
        mainWindow.makeKeyAndOrderFront();
    }

    korvida::qt::Binder binder;
    Window mainWindow;
    Panel sheet;
    QMainWindow mainWidget;
    QDialog* dialog;
    int dismissed = 0;
    bool closesOnDismiss = true;
};

} // namespace

TEST_F(SheetBindingTest, ASheetIsAWindowModalDialogOfItsSize)
{
    sheet.beginSheet(mainWindow);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->size(), QSize(300, 120));
    sheet.endSheet();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dismissed, 0) << "closing by the program is not a dismissal by the user";
}

TEST_F(SheetBindingTest, EscapeAsksTheControllerAndTheSheetStaysWhileItSaysSo)
{
    sheet.beginSheet(mainWindow);
    closesOnDismiss = false;
    dialog->reject();
    EXPECT_EQ(dismissed, 1);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_TRUE(dialog->isVisible()) << "the screen shows what the controller holds";

    closesOnDismiss = true;
    dialog->reject();
    EXPECT_EQ(dismissed, 2);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_FALSE(dialog->isVisible());
}
