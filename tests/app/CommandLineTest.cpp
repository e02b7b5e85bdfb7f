// The game's command line: what it does not know is refused before any window
// shows, instead of being ignored while the game starts.

#include <QColor>
#include <QImage>
#include <QSet>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>

namespace {

struct GameRun {
    int status = -1;
    std::string output; // standard output and error together
};

// `environment` is put before the command.
GameRun RunGame(const std::string& arguments,
                const std::string& environment = "QT_QPA_PLATFORM=offscreen") {
    const std::string command =
        environment + " timeout 20 '" TAVLIRA_GAME "' " + arguments + " 2>&1";
    GameRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        run.output += buffer.data();
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(GameCommandLine, UnknownOptionsAndArgumentsAreRefused) {
    const struct {
        const char* arguments;
        int status;
        const char* says;
    } cases[] = {
        {"--bogus", 1, "bogus"},
        {"stray-word", 2, "unexpected argument 'stray-word'"},
        {"--size 5", 2, "go with --screenshot"},
        {"--server ftp://127.0.0.1/", 2, "--server takes an http address"},
        {"--server nowhere", 2, "--server takes an http address"},
    };
    for (const auto& c : cases) {
        const GameRun run = RunGame(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }
}

TEST(GameCommandLine, HelpAndVersionAnswerAndEnd) {
    const GameRun help = RunGame("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--version"), std::string::npos) << help.output;
    const GameRun version = RunGame("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.output.find("Tavlira-Duo 5.7"), std::string::npos) << version.output;
}

namespace fs = std::filesystem;

// A folder of its own for a test's pictures and data home, removed after it.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        path = fs::temp_directory_path() / ("tavlira-shot-" + std::to_string(random()));
        fs::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    fs::path path;

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
};

// Screenshots are drawn offscreen even where the platform asks for a display
// that is not there.
const std::string NoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";

// A picture of a screen has more than a few colours; a blank or
// half-drawn one has not.
int Colours(const QImage& picture) {
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(GameScreenshot, EachScreenIsDrawnAtTheWindowSizeOfTheSetting) {
    const ScratchFolder scratch;
    const struct {
        const char* arguments;
        QSize size; // empty for a dialog, drawn at its own size
    } cases[] = {
        {"title", {760, 500}},
        {"menu", {760, 500}},
        {"table", {760, 500}},
        {"table --size 5 --language ru", {1520, 1000}},
        {"title --size 5 --language zh", {1520, 1000}},
        {"history", {}},
        {"help --language ru", {}},
    };
    for (const auto& c : cases) {
        const std::string file = scratch / "shot.png";
        fs::remove(file);
        const GameRun shot =
            RunGame(std::string("--screenshot ") + c.arguments + " '" + file + "'", NoDisplay);
        ASSERT_EQ(shot.status, 0) << c.arguments << ": " << shot.output;
        const QImage picture(QString::fromStdString(file));
        ASSERT_FALSE(picture.isNull()) << c.arguments;
        if (!c.size.isEmpty()) {
            EXPECT_EQ(picture.size(), c.size) << c.arguments;
        }
        EXPECT_GT(Colours(picture), 20) << c.arguments;
    }
}

TEST(GameScreenshot, AnUnknownScreenOrAFileThatCannotBeWrittenFails) {
    const ScratchFolder scratch;
    const struct {
        std::string arguments;
        int status;
        const char* says;
    } cases[] = {
        {"--screenshot tabel '" + scratch / "a.png" + "'", 1, "unknown screen 'tabel'"},
        {"--screenshot title '" + scratch / "no/such/folder.png" + "'", 1, "cannot write"},
        {"--screenshot title", 2, "one file name"},
        {"--screenshot title --size 6 '" + scratch / "a.png" + "'", 2, "size is 1 to 5"},
        {"--screenshot title --language xx '" + scratch / "a.png" + "'", 2, "language 'xx'"},
    };
    for (const auto& c : cases) {
        const GameRun run = RunGame(c.arguments, NoDisplay);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << ": " << run.output;
    }
    EXPECT_FALSE(fs::exists(scratch / "a.png"));
}

// Every file with its size and time of change.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>
Listing(const fs::path& folder) {
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] = {entry.is_regular_file() ? entry.file_size() : 0,
                                        entry.last_write_time()};
    return files;
}

TEST(GameScreenshot, ThePlayersSettingsAndRecordsAreNeitherReadNorWritten) {
    // A portable install whose settings ask for the large window and whose
    // record files are damaged: a game that read them would draw at
    // 1520 x 1000, or stop at the start-up check.
    const ScratchFolder scratch;
    const fs::path game = scratch.path / "game";
    fs::create_directories(game);
    fs::create_directories(scratch.path / "data");
    fs::copy_file(TAVLIRA_GAME, game / "tavlira-duo");
    const auto write = [&](const char* name, const std::string& bytes) {
        std::FILE* file = std::fopen((game / name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(bytes.c_str(), file);
        std::fclose(file);
    };
    write("Tavlira2.clb", "damaged");
    write("Tavlira2.net", "damaged");
    write("Tavlira2.ini", "\n########5\n" + std::string(33, '\n'));
    const auto before = Listing(game);
    for (const char* screen : {"history", "table"}) {
        const std::string command = "QT_QPA_PLATFORM=offscreen XDG_DATA_HOME='" + scratch / "data" +
                                    "' timeout 20 '" + (game / "tavlira-duo").string() +
                                    "' --screenshot " + screen + " '" + scratch / "shot.png" +
                                    "' 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    EXPECT_EQ(QImage(QString::fromStdString(scratch / "shot.png")).size(), QSize(760, 500));
    EXPECT_EQ(Listing(game), before);
    EXPECT_TRUE(fs::is_empty(scratch.path / "data"));
}

} // namespace
