#include "records/Settings.h"

#include "RecordsTestSupport.h"
#include "records/TextLines.h"
#include "util/TextCipher.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// The lines of a file written from the defaults, for editing one line.
std::vector<std::string> DefaultLines() {
    return SplitLines(FormatSettings(Settings{}), 99);
}

std::string WithLine(int number, const std::string& text) {
    std::vector<std::string> lines = DefaultLines();
    lines[static_cast<std::size_t>(number - 1)] = text;
    return JoinLines(lines);
}

TEST(SettingsTest, DefaultFile) {
    const std::vector<std::string> lines = DefaultLines();
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[0], "<# General>");
    EXPECT_EQ(lines[1], "011110141RL010020000");
    EXPECT_EQ(lines[5], "000");
    EXPECT_EQ(lines[7], "0#####");
    EXPECT_EQ(lines[21], "020");
    EXPECT_EQ(lines[23], "Mr.X");
    EXPECT_EQ(lines[27], "1-010");
    EXPECT_EQ(lines[32], "\xEB");
    EXPECT_EQ(DecodeText(lines[25], CipherKey::ServiceAddress), DefaultWorldTopTenAddress);
    EXPECT_EQ(DecodeText(lines[30], CipherKey::ServiceAddress), DefaultStatisticsAddress);
}

TEST(SettingsTest, ShortOrMissingFileGivesDefaultsAndNoLookup) {
    std::vector<std::string> lines = DefaultLines();
    lines[1] = "5";
    lines.pop_back();
    for (const std::string& bytes : {std::string(), JoinLines(lines)}) {
        const LoadedSettings loaded = ParseSettings(bytes);
        EXPECT_EQ(loaded.settings.LanguageIndex, 0);
        EXPECT_FALSE(loaded.reachedServiceAddresses);
    }
}

TEST(SettingsTest, GeneralFlagsPositionByPosition) {
    const struct {
        std::string flags;
        int language, speed, windowSize;
        bool sound, music, network, installReported;
    } cases[] = {
        {"5", 5, 4, 1, true, true, false, true}, // only the language
        {"", 0, 4, 1, true, true, false, true},
        {"X2###1#6", 0, 6, 1, true, false, true, true},     // sound only, net, speed 6
        {"93###0#75N", 9, 4, 5, false, true, false, false}, // music only, speed 7 rejected
        {"#0#####0", 0, 4, 1, false, false, false, true},   // speed 0 rejected
    };
    for (const auto& c : cases) {
        const Settings s = ParseSettings(WithLine(2, c.flags)).settings;
        EXPECT_EQ(s.LanguageIndex, c.language) << c.flags;
        EXPECT_EQ(s.Speed, c.speed) << c.flags;
        EXPECT_EQ(s.WindowSize, c.windowSize) << c.flags;
        EXPECT_EQ(s.SoundOn, c.sound) << c.flags;
        EXPECT_EQ(s.MusicOn, c.music) << c.flags;
        EXPECT_EQ(s.NetworkMode, c.network) << c.flags;
        EXPECT_EQ(s.InstallReported, c.installReported) << c.flags;
    }
}

TEST(SettingsTest, ReadingStopsAtTheFirstUnusableLine) {
    // Every case changes an earlier line and a later one; the later one must
    // be taken only when the earlier one was usable.
    const struct {
        int line;
        std::string text;
        bool laterTaken;
    } cases[] = {
        {6, "7", false}, // the deck back needs three characters
        {6, "121", true},
        {10, "A", false},           // a font name needs two characters
        {18, "<# IP&Port>", false}, // a section marker out of place
        {23, "", false},
        {14, "abc", true}, // an unreadable scale keeps its default
    };
    const std::string playerName = "Olga";
    const int captureMode = 2;
    for (const auto& c : cases) {
        std::vector<std::string> lines = DefaultLines();
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        lines[23] = playerName;
        lines[33] = std::to_string(captureMode);
        const LoadedSettings loaded = ParseSettings(JoinLines(lines));
        EXPECT_EQ(loaded.settings.PlayerName == playerName, c.laterTaken) << c.line << c.text;
        EXPECT_EQ(loaded.settings.GifCaptureMode == captureMode, c.laterTaken) << c.line << c.text;
        EXPECT_EQ(loaded.reachedServiceAddresses, c.laterTaken) << c.line << c.text;
    }
    EXPECT_EQ(ParseSettings(WithLine(6, "121")).settings.DeckBack, 12);
    EXPECT_TRUE(ParseSettings(WithLine(6, "121")).settings.DeckBackAlwaysOne);
    EXPECT_EQ(ParseSettings(WithLine(6, "131")).settings.DeckBack, 0);
}

TEST(SettingsTest, WorldValues) {
    const struct {
        std::string region;
        bool valid;
    } regions[] = {{"2-051", true},  {"2-052", false}, {"6-054", true},  {"4-015", false},
                   {"7-001", false}, {"1x010", false}, {"1-0a0", false}, {"1-0100", false},
                   {"0-000", false}, {"1-000", true}};
    for (const auto& r : regions) {
        EXPECT_EQ(IsValidWorldRegion(r.region), r.valid) << r.region;
        EXPECT_EQ(ParseSettings(WithLine(28, r.region)).settings.WorldRegion,
                  r.valid ? r.region : "1-010");
    }
    EXPECT_EQ(ParseSettings(WithLine(27, "ThirteenChars")).settings.WorldNick, "ThirteenChar");
    EXPECT_EQ(ParseSettings(WithLine(29, "Sixteen chars ok")).settings.WorldCity,
              "Sixteen chars o");
    EXPECT_EQ(ParseSettings(WithLine(30, "W")).settings.WorldSex, 'W');
    EXPECT_EQ(ParseSettings(WithLine(30, "X")).settings.WorldSex, 'M');
}

TEST(SettingsTest, SavedSettingsReadBackTheSame) {
    Settings s;
    s.LanguageIndex = 7;
    s.SoundOn = false;
    s.ClubListMode = 2;
    s.InstallReported = false;
    s.RadioListFromServer = 1;
    s.AuxDesign = 3;
    s.SaluteCards = true;
    s.DeckFace = 47;
    s.DeckBack = 9;
    s.DeckBackAlwaysOne = true;
    s.FiguresHavePoints = true;
    s.Font(FontLine::Special1) = {"DejaVu Sans Mono", 120};
    s.ServerIp = "10.0.0.2";
    s.ServerPort = "30000";
    s.Background = 10;
    s.BackgroundVariant = 6;
    s.PlayerName = "\xC8\xE2\xE0\xED";
    s.WorldNick = "Nick";
    s.WorldRegion = "3-035";
    s.WorldCity = "Quebec";
    s.WorldSex = 'W';
    s.SaveGamesAsGif = true;
    s.GifCaptureMode = 2;
    s.GifFrameDelay = 250;
    const std::string bytes = FormatSettings(s);
    const LoadedSettings loaded = ParseSettings(bytes);
    EXPECT_TRUE(loaded.reachedServiceAddresses);
    EXPECT_EQ(FormatSettings(loaded.settings), bytes);
    EXPECT_EQ(SplitLines(bytes, 2)[1], "731120141#L110030001");
}

class SettingsFileTest : public testing::TempFolderTest {};

TEST_F(SettingsFileTest, SaveIsSkippedAfterARecordFileProblem) {
    Settings s;
    s.PlayerName = "Olga";
    EXPECT_EQ(SaveSettings(Folder(), s, false), SettingsSave::Skipped);
    EXPECT_FALSE(std::filesystem::exists(Folder() / "Tavlira2.ini"));
    EXPECT_EQ(SaveSettings(Folder(), s, true), SettingsSave::Saved);
    EXPECT_EQ(LoadSettings(Folder()).settings.PlayerName, "Olga");
    EXPECT_EQ(LoadSettings(Folder() / "nowhere").settings.PlayerName, "Mr.X");
}

// A FIFO in place of the settings file reads as a file that cannot be read:
// every default, and no wait for a writer.
TEST_F(SettingsFileTest, SettingsFileThatIsNotARegularFileGivesTheDefaults) {
    const std::filesystem::path path = Folder() / "Tavlira2.ini";
    testing::MakeFifo(path);
    const LoadedSettings loaded =
        testing::WithinBound(path, [&] { return LoadSettings(Folder()); });
    EXPECT_FALSE(loaded.reachedServiceAddresses);
    EXPECT_EQ(FormatSettings(loaded.settings), FormatSettings(Settings{}));
}

} // namespace
} // namespace tavlira
