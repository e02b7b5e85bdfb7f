// The radio dialog and the menu's radio picture over a fake stream player,
// with the built picture pack.

#include "ui/dialogs/radio/RadioDialog.h"

#include "FakeStreamPlayer.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/radio/MenuMedia.h"
#include "ui/dialogs/radio/RadioPictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

// The built pack and station list in a family folder of their own.
struct BuiltRadio {
    QTemporaryDir family;
    FakeStreamPlayer player;
    std::unique_ptr<Radio> radio;

    BuiltRadio() {
        QDir().mkpath(family.filePath("Tavlira-Duo"));
        for (const char* name : {"QelRadio02.dll", "QelRadio.rad"})
            EXPECT_TRUE(
                QFile::copy(QStringLiteral(TAVLIRA_FAMILY_DIR "/") + name, family.filePath(name)));
        radio = std::make_unique<Radio>(family.filePath("Tavlira-Duo").toStdString(), player);
        radio->Check(false);
    }
};

TEST(RadioDialogTest, VolumePictureNames) {
    const std::pair<int, const char*> cases[] = {{0, "RRADIO_VOLUME00"},  {1, "RRADIO_VOLUME01"},
                                                 {10, "RRADIO_VOLUME01"}, {25, "RRADIO_VOLUME03"},
                                                 {91, "RRADIO_VOLUME10"}, {100, "RRADIO_VOLUME10"}};
    for (const auto& [volume, name] : cases)
        EXPECT_EQ(VolumePictureName(volume), name) << volume;
    BuiltRadio built;
    const RadioPack pack(built.radio->PicturePack());
    ASSERT_TRUE(pack.Open());
    for (int volume = 0; volume <= 100; volume += 10)
        EXPECT_FALSE(pack.Picture(VolumePictureName(volume)).isNull()) << volume;
    EXPECT_FALSE(pack.VolumePicture(30, "NO_SUCH_LOGO").isNull());
}

TEST(RadioDialogTest, CountriesStationsAndTheSwitch) {
    BuiltRadio built;
    Radio& radio = *built.radio;
    Settings settings;
    RadioDialog dialog(nullptr, radio, settings);
    EXPECT_EQ(dialog.Countries()->count(), 28);
    // The built-in station is among the Russian ones and stays selected.
    ASSERT_GT(dialog.Stations()->count(), 1);
    EXPECT_EQ(dialog.Stations()->currentItem()->text().toStdString(), radio.Current().stationName);

    dialog.OnOffButton()->click();
    EXPECT_TRUE(radio.On());
    ASSERT_EQ(built.player.played.size(), 1u);

    // Japan has no stations: the list is empty and the station plays on.
    dialog.Countries()->setCurrentRow(26);
    EXPECT_EQ(dialog.Stations()->count(), 0);
    EXPECT_EQ(built.player.played.size(), 1u);
    EXPECT_EQ(built.player.State(), StreamState::Connecting);

    // A country without the station tunes to its first one.
    dialog.Countries()->setCurrentRow(12);
    EXPECT_EQ(radio.Current().country, "USA");
    EXPECT_EQ(built.player.played.back().toString().toStdString(), radio.Current().stationAddress);
    dialog.Stations()->setCurrentRow(1);
    EXPECT_EQ(radio.Current().stationName, dialog.Stations()->item(1)->text().toStdString());

    built.player.Enter(StreamState::Failed);
    EXPECT_TRUE(dialog.StatusLine()->text().contains("No Connect"));

    for (int i = 0; i < 10; ++i)
        dialog.LouderButton()->click();
    EXPECT_EQ(radio.Current().volume, 100);
    EXPECT_FALSE(dialog.LouderButton()->isEnabled());
}

TEST(RadioDialogTest, MenuRadioClicks) {
    BuiltRadio built;
    QWidget menu;
    MenuRadio picture(*built.radio, &menu);
    int dialogs = 0;
    QObject::connect(&picture, &MenuRadio::DialogWanted, [&] { ++dialogs; });
    QTest::mouseClick(&picture, Qt::LeftButton);
    EXPECT_TRUE(built.radio->On());
    EXPECT_TRUE(picture.Hint().contains("Connecting"));
    QTest::mouseClick(&picture, Qt::RightButton);
    EXPECT_EQ(dialogs, 1);
    QTest::mouseClick(&picture, Qt::LeftButton);
    EXPECT_FALSE(built.radio->On());

    // Without the pack either click asks for the notice.
    QTemporaryDir empty;
    FakeStreamPlayer player;
    Radio missing(empty.filePath("Tavlira-Duo").toStdString(), player);
    missing.Check(false);
    MenuRadio dark(missing, &menu);
    int notices = 0;
    QObject::connect(&dark, &MenuRadio::NoticeWanted, [&] { ++notices; });
    QTest::mouseClick(&dark, Qt::LeftButton);
    QTest::mouseClick(&dark, Qt::RightButton);
    EXPECT_EQ(notices, 2);
    EXPECT_TRUE(player.played.empty());
}

TEST(RadioDialogTest, MusicButtons) {
    FakeStreamPlayer stream;
    SongPlayer songs(QUrl("http://127.0.0.1:9/music/"), stream);
    QWidget menu;
    MenuMusic buttons(songs, &menu);
    // Without a playlist the buttons take no click.
    EXPECT_TRUE(buttons.testAttribute(Qt::WA_TransparentForMouseEvents));
    songs.SetPlaylist(ReadPlaylist("A~1.mp3\nA~2.mp3\nA~3.mp3\nA~4.mp3\nA~5.mp3\n"));
    EXPECT_FALSE(buttons.testAttribute(Qt::WA_TransparentForMouseEvents));

    const QRect volume = MenuMusic::VolumePlace();
    // Positions on the designed 60-pixel button: 1..25 lower, 35.. raise.
    const std::pair<int, int> clicks[] = {{5, 45}, {20, 40}, {30, 40}, {45, 45}, {59, 50}};
    for (const auto& [designX, expected] : clicks) {
        const int x = volume.left() + designX * MenuMusic::ButtonSize / 60;
        QTest::mouseClick(&buttons, Qt::LeftButton, {}, QPoint(x, volume.center().y()));
        EXPECT_EQ(songs.Volume(), expected) << designX;
    }
    QTest::mouseClick(&buttons, Qt::LeftButton, {}, MenuMusic::PlayPlace().center());
    EXPECT_TRUE(songs.Playing());
    QTest::mouseClick(&buttons, Qt::LeftButton, {}, MenuMusic::NextPlace().center());
    EXPECT_EQ(stream.played.size(), 2u);
}

} // namespace
} // namespace tavlira
