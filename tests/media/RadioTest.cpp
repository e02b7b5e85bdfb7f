// The radio driven through a fake stream player: availability from the
// picture pack and the station list (from disk or fetched from a local
// server), on and off, a failing station, tuning and the volume.

#include "media/Radio.h"

#include "FakeStreamPlayer.h"
#include "HttpFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

const char* const StationList =
    "# test list\r\n"
    "RUS A000001#-#First#Russian Federation#http://127.0.0.1:9/a#LOGO_A\r\n"
    "RUS A000002#-#Second#Russian Federation#http://127.0.0.1:9/b\r\n"
    "USA B000001#-#Other#USA#http://127.0.0.1:9/c\r\n"
    "RUS A000002#-#Second#Russian Federation#http://127.0.0.1:9/b2\r\n";

// A family folder with the program folder inside, and the pieces a test
// asks for.
struct RadioFolders {
    QTemporaryDir family;
    QString program = family.filePath("Tavlira-Duo");

    explicit RadioFolders(bool pack = true, const char* diskList = StationList,
                          const char* settings = nullptr) {
        QDir().mkpath(program);
        if (pack)
            Write("QelRadio02.dll", "not read by the radio itself");
        if (diskList)
            Write("QelRadio.rad", diskList);
        if (settings)
            Write("QelRadio.ini", settings);
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(family.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::filesystem::path Program() const { return program.toStdString(); }
};

TEST(RadioTest, AvailableOnlyWithPackAndList) {
    struct Case {
        bool pack;
        const char* list;
        RadioStatus expected;
    };
    for (const Case& c : {Case{true, StationList, RadioStatus::Off},
                          Case{false, StationList, RadioStatus::Unavailable},
                          Case{true, nullptr, RadioStatus::Unavailable}}) {
        RadioFolders folders(c.pack, c.list);
        FakeStreamPlayer player;
        Radio radio(folders.Program(), player);
        EXPECT_EQ(radio.Status(), RadioStatus::Checking);
        radio.Check(false);
        EXPECT_EQ(radio.Status(), c.expected);
        // Switching an unavailable radio on does nothing.
        radio.SetOn(true);
        EXPECT_EQ(player.played.empty(), c.expected == RadioStatus::Unavailable);
    }
}

TEST(RadioTest, OnOffFailureAndVolume) {
    RadioFolders folders;
    FakeStreamPlayer player;
    Radio radio(folders.Program(), player);
    radio.Check(false);
    int changes = 0;
    QObject::connect(&radio, &Radio::Changed, [&] { ++changes; });

    radio.Toggle();
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_EQ(player.played[0].toString().toStdString(), radio.Current().stationAddress);
    EXPECT_EQ(player.volume, 30);
    EXPECT_EQ(radio.Status(), RadioStatus::Connecting);
    player.Enter(StreamState::Playing);
    EXPECT_EQ(radio.Status(), RadioStatus::Playing);
    player.Enter(StreamState::Failed);
    EXPECT_EQ(radio.Status(), RadioStatus::Failed);
    EXPECT_GT(changes, 0);

    // A failed station leaves the others playable.
    radio.Tune("B000001");
    EXPECT_EQ(player.played.back(), QUrl("http://127.0.0.1:9/c"));
    EXPECT_EQ(radio.Status(), RadioStatus::Connecting);

    for (int i = 0; i < 12; ++i)
        radio.StepVolume(+1);
    EXPECT_EQ(radio.Current().volume, 100);
    EXPECT_EQ(player.volume, 100);
    radio.StepVolume(-1);
    EXPECT_EQ(player.volume, 90);

    radio.Toggle();
    EXPECT_EQ(radio.Status(), RadioStatus::Off);
    EXPECT_EQ(player.State(), StreamState::Stopped);
}

TEST(RadioTest, CountriesTuningAndTheLaterLine) {
    RadioFolders folders;
    FakeStreamPlayer player;
    Radio radio(folders.Program(), player);
    radio.Check(false);
    const std::optional<std::vector<Station>> russian = radio.ChooseCountry(0);
    ASSERT_TRUE(russian);
    EXPECT_EQ(russian->size(), 3u);
    // Japan has no lines: an empty list, and the station stays.
    const std::string before = radio.Current().stationName;
    EXPECT_TRUE(radio.ChooseCountry(26)->empty());
    EXPECT_EQ(radio.Current().stationName, before);
    EXPECT_EQ(radio.Current().countryIndex, 26);
    EXPECT_FALSE(radio.ChooseCountry(28));

    // Off, tuning plays nothing; the later line with the identifier wins.
    radio.Tune("A000002");
    EXPECT_TRUE(player.played.empty());
    EXPECT_EQ(radio.Current().stationAddress, "http://127.0.0.1:9/b2");
    EXPECT_EQ(radio.Current().logo, UnknownStationLogo);
    radio.Tune("NOSUCH1");
    EXPECT_EQ(radio.Current().stationName, "Second");
}

TEST(RadioTest, SettingsSurviveTheRunAndResumeAtTheMenu) {
    RadioFolders folders(true, StationList,
                         "First\r\nhttp://127.0.0.1:9/a\r\nRussian Federation\r\nLOGO_A\r\n1\r\n"
                         "50\r\n0\r\n");
    FakeStreamPlayer player;
    {
        Radio radio(folders.Program(), player);
        radio.Check(false);
        EXPECT_TRUE(radio.On());
        EXPECT_TRUE(player.played.empty()); // not before the title is left
        radio.ResumeSaved();
        ASSERT_EQ(player.played.size(), 1u);
        EXPECT_EQ(player.volume, 50);
        radio.Tune("B000001");
        radio.Save();
    }
    Radio again(folders.Program(), player);
    again.Check(false);
    EXPECT_EQ(again.Current().stationName, "Other");
    EXPECT_TRUE(again.On());
}

TEST(RadioTest, AnUnavailableRadioKeepsItsSettingsFile) {
    const char* settings = "First\r\nhttp://127.0.0.1:9/a\r\nRussia\r\nLOGO_A\r\n1\r\n50\r\n0\r\n";
    RadioFolders folders(true, nullptr, settings);
    FakeStreamPlayer player;
    Radio radio(folders.Program(), player);
    radio.Check(false);
    EXPECT_FALSE(radio.On());
    radio.Save();
    QFile file(folders.family.filePath("QelRadio.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(settings));
}

TEST(RadioTest, ServerListIsFetchedInTheBackground) {
    HttpFixture server;
    server.Serve("/radio/QelRadio.rad", "200 OK",
                 "USA S000001#-#Served#USA#http://127.0.0.1:9/s\r\n");
    RadioFolders folders;
    FakeStreamPlayer player;
    Radio radio(folders.Program(), player);
    radio.SetListAddress(server.Address("/radio/QelRadio.rad"));
    radio.Check(true);
    EXPECT_EQ(radio.Status(), RadioStatus::Checking); // returns at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.Status() != RadioStatus::Checking; }, 30000));
    EXPECT_EQ(radio.Status(), RadioStatus::Off);
    EXPECT_EQ(radio.ChooseCountry(12)->front().name, "Served");
    EXPECT_TRUE(QFile::exists(folders.family.filePath("QelRadio.ser")));

    // A check while another fetch runs: only the later one counts.
    radio.SetOn(true);
    radio.SetListAddress(server.Address("/silent"));
    radio.Check(true);
    radio.SetListAddress(server.Address("/radio/QelRadio.rad"));
    radio.Check(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.Status() != RadioStatus::Checking; }, 30000));
    EXPECT_TRUE(radio.On());

    // A list far too large is refused before it is read whole.
    server.Serve("/radio/huge", "200 OK", QByteArray(3 << 20, 'R'));
    radio.SetListAddress(server.Address("/radio/huge"));
    radio.Check(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.Status() != RadioStatus::Checking; }, 30000));
    EXPECT_EQ(radio.Status(), RadioStatus::Unavailable);

    // A server that fails: unavailable, even with the disk list there.
    radio.SetListAddress(server.Address("/radio/missing"));
    radio.Check(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return radio.Status() != RadioStatus::Checking; }, 30000));
    EXPECT_EQ(radio.Status(), RadioStatus::Unavailable);
}

} // namespace
} // namespace tavlira
