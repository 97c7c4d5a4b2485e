#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <filesystem>

#include <sys/stat.h>

#include "desktop_fixture.h"
#include "qt/services/qt_defaults_store.h"

namespace {

class PreferencesTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }
};

} // namespace

TEST_F(PreferencesTest, FactoryValuesAnswerButAreNeverWritten)
{
    desktop->launch();
    EXPECT_EQ(app().state.fadeWindows, 0);
    EXPECT_EQ(app().state.saveWithTrackNumber, 1);
    EXPECT_EQ(app().state.whereToImport, 0);
    EXPECT_EQ(app().state.writeStatistics, 0) << "the copies' bytes change only when asked";
    EXPECT_TRUE(QSettings(settingsFile(), QSettings::IniFormat).allKeys().isEmpty());
}

TEST_F(PreferencesTest, AFifoInPlaceOfTheSettingsIsUnreadableAndNeverOpened)
{
    std::filesystem::create_directories(folder.path() / "settings");
    ASSERT_EQ(::mkfifo(QFile::encodeName(settingsFile()).constData(), 0600), 0);
    restart();
    desktop->launch();
    EXPECT_EQ(app().state.saveWithTrackNumber, 1) << "the factory value answers";
    app().openPreferencesButton(nullptr);
    widget<QCheckBox>("trackNumberTagg")->click();
    widget<QPushButton>("closePreferences")->click();
    EXPECT_EQ(app().state.saveWithTrackNumber, 0) << "a choice holds for this run";
    EXPECT_EQ(std::filesystem::status(settingsFile().toStdString()).type(), std::filesystem::file_type::fifo);
}

TEST_F(PreferencesTest, ChoicesMadeInTheSheetSurviveARestart)
{
    desktop->launch();
    app().openPreferencesButton(nullptr);
    auto* sheet = widget<QDialog>("preferencesPanel");
    ASSERT_TRUE(sheet->isVisible());
    widget<QCheckBox>("fadingWindowsTagg")->click();
    widget<QCheckBox>("trackNumberTagg")->click();
    widget<QRadioButton>("iTunes_iPhotoImportTagg")->click();
    widget<QCheckBox>("writeStatisticsTagg")->click();
    widget<QPushButton>("closePreferences")->click();
    EXPECT_FALSE(sheet->isVisible());

    korvida::qt::QtDefaultsStore reread(settingsFile());
    EXPECT_EQ(reread.read("fadeWindowsKey"), "1");
    EXPECT_EQ(reread.read("saveWithTrackNumberKey"), "0");
    EXPECT_EQ(reread.read("whereToImportKey"), "1");
    EXPECT_EQ(reread.read("writeStatisticsKey"), "1");

    restart();
    desktop->launch();
    EXPECT_EQ(app().state.fadeWindows, 1);
    EXPECT_EQ(app().state.saveWithTrackNumber, 0);
    EXPECT_EQ(app().state.whereToImport, 1);
    EXPECT_EQ(app().state.writeStatistics, 1);
    EXPECT_FLOAT_EQ(app().mainWindow->alphaValue(), 1.0f) << "the fade in has ended";

    app().openPreferencesButton(nullptr);
    EXPECT_TRUE(widget<QRadioButton>("iTunes_iPhotoImportTagg")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("diskImportTagg")->isChecked());
}
