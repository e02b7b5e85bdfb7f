#include "app/Screenshot.h"

#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "calendar/CalendarDate.h"
#include "i18n/words/Menu.h"
#include "records/History.h"
#include "records/RecordFile.h"
#include "records/RecordStore.h"
#include "records/Settings.h"
#include "ui/artwork/ArtworkPacks.h"
#include "ui/artwork/ArtworkTables.h"
#include "ui/artwork/CardSize.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/options/OptionsDialog.h"
#include "ui/dialogs/tournament/TournamentDialogs.h"
#include "ui/window/MenuPage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <utility>

namespace tavlira {
namespace {

constexpr std::array<std::pair<const char*, LanguageIndex>, LanguageCount> IsoCodes{{
    {"en", LanguageIndex::English},
    {"ru", LanguageIndex::Russian},
    {"de", LanguageIndex::German},
    {"fr", LanguageIndex::French},
    {"es", LanguageIndex::Spanish},
    {"zh", LanguageIndex::Chinese},
    {"it", LanguageIndex::Italian},
    {"cs", LanguageIndex::Czech},
    {"ja", LanguageIndex::Japanese},
    {"ko", LanguageIndex::Korean},
}};

// The same every time, so that the table shows the same deal.
constexpr std::uint32_t SampleSeed = 2026;

// A club with four members and a top ten of six, so that the menu and the
// dialogs show full lines and the sixth place onwards empty.
struct SampleMember {
    const char* name;
    double rating;
    int games;
    int cycleScore;
};
constexpr SampleMember SampleMembers[] = {{"Marta", 2.35, 64, 41},
                                          {"Jonas", 1.8, 40, 27},
                                          {"Elena", 0.95, 23, 12},
                                          {"Pavel", -0.4, 18, 5}};
constexpr std::pair<const char*, int> SampleTopTen[] = {
    {"Marta", 58}, {"Jonas", 51}, {"Irene", 44}, {"Marta", 39}, {"Elena", 30}, {"Pavel", 22}};
// The player who sits down at the table.
constexpr const char* SamplePlayer = "Alex";

bool WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out.flush());
}

RecordFile SampleClub() {
    RecordFile club = InitialRecordFile('0', "LNX");
    for (const SampleMember& m : SampleMembers)
        EnterClub(club, FormatMemberLine(MemberRecord{m.name, m.rating, m.games, m.cycleScore,
                                                      EncodePassword("1")}));
    for (const auto& [name, score] : SampleTopTen)
        EnterTopTen(club, name, score);
    return club;
}

// Sample history: three matches of two evenings.
bool WriteSampleHistory(DiskRecordStore& records) {
    const HisStr first[] = {{"Marta", 6, 14, 2.35, PlayKind::Computer},
                            {"Jonas", 4, -3, 1.8, PlayKind::Computer}};
    const HisStr second[] = {{"Elena", 5, 9, 0.95, PlayKind::Computer}};
    return records.WriteHistory(first, "19:40", "09.12.2026") &&
           records.WriteHistory(second, "20:15", "10.12.2026");
}

// The artwork a screen is taken with: "table:deck=29,back=8,background=5,
// colour=3" shows deck 29, back design 8 and background design 5 in colour 3;
// "purple" puts the menu and the table in the purple design.
struct ArtworkChoice {
    int deckFace = 0;
    int deckBack = 0;
    int background = 2;
    int colour = 0;
    bool purple = false;
};

std::optional<ArtworkChoice> ParseArtwork(const QString& text) {
    ArtworkChoice choice;
    if (text.isEmpty())
        return choice;
    for (const QString& item : text.split(',')) {
        const QString key = item.section('=', 0, 0);
        bool number = false;
        const int value = item.section('=', 1).toInt(&number);
        if (key == QLatin1String("purple") && !item.contains('='))
            choice.purple = true;
        else if (key == QLatin1String("deck") && number && FindDeck(value))
            choice.deckFace = value;
        else if (key == QLatin1String("back") && number && FindBackDesign(value))
            choice.deckBack = value;
        else if (key == QLatin1String("background") && number &&
                 (value == 0 || BackgroundDesignName(value)))
            choice.background = value;
        else if (key == QLatin1String("colour") && number && BackgroundColourName(value))
            choice.colour = value;
        else
            return std::nullopt;
    }
    return choice;
}

// The packs the choice needs, that the game would not find: the window would
// stop at their notices.
QStringList MissingPacks(const ArtworkChoice& choice, int windowSize, const PackFolders& folders) {
    const QScreen* desktop = QGuiApplication::primaryScreen();
    const TableScale scale =
        TableScale::ForMode(static_cast<WindowSizeMode>(windowSize),
                            desktop ? desktop->geometry().size() : QSize(1920, 1080));
    const SizeClass sizeClass = PictureSizeClass(scale.Scale());
    QStringList missing;
    for (const std::string& library :
         {LibraryForDeck(choice.deckFace),
          LibraryForBacks(choice.deckBack, IsWideDeck(choice.deckFace), sizeClass),
          LibraryForBackground(choice.background, choice.colour),
          std::string(choice.purple ? GraphLibrary : "")}) {
        if (!library.empty() && !OpenPack::Open(folders, library))
            missing << QString::fromStdString(library);
    }
    missing.removeDuplicates();
    return missing;
}

// The program folder of the screenshot: sample record files, history and the
// settings of the request.
bool FillProgramFolder(const std::filesystem::path& folder, const ScreenshotRequest& request,
                       const ArtworkChoice& artwork) {
    Settings settings;
    settings.DeckFace = artwork.deckFace;
    settings.DeckBack = artwork.deckBack;
    settings.Background = artwork.background;
    settings.BackgroundVariant = artwork.colour;
    settings.MenuDesign = artwork.purple ? 1 : 0;
    settings.TableDesign = artwork.purple ? 1 : 0;
    settings.AuxDesignPurple = artwork.purple;
    settings.WindowSize = request.windowSize;
    settings.LanguageIndex = static_cast<int>(request.language);
    DiskRecordStore records(folder);
    return WriteBytes(folder / RecordFileName(RecordFileKind::Club),
                      FormatRecordFile(SampleClub())) &&
           WriteBytes(folder / RecordFileName(RecordFileKind::Net),
                      FormatRecordFile(InitialRecordFile('0', "LNX"))) &&
           WriteBytes(folder / SettingsFileName, FormatSettings(settings)) &&
           WriteSampleHistory(records);
}

// Lets the window play its queue; the time scale 0 makes flights and pauses
// instant. False when `done` is not reached within ten seconds.
bool Settle(MainWindow& window, const std::function<bool()>& done = {}) {
    const QDeadlineTimer deadline(10000);
    do {
        QCoreApplication::processEvents();
        if (!window.Queue().Busy() && (!done || done()))
            return true;
        QThread::msleep(1);
    } while (!deadline.hasExpired());
    return false;
}

QImage Grab(QWidget& widget) {
    QCoreApplication::processEvents();
    return widget.grab().toImage();
}

QImage Title(MainWindow& window) {
    return Grab(window);
}

bool LeaveTitle(MainWindow& window) {
    window.CurrentSession().Input([](Match& m) { m.LeaveTitle(); });
    return Settle(window);
}

QImage Menu(MainWindow& window) {
    return LeaveTitle(window) ? Grab(window) : QImage();
}

// A new player at the table after "To Begin", when the person is to move.
QImage Table(MainWindow& window) {
    Session& session = window.CurrentSession();
    if (!LeaveTitle(window))
        return {};
    session.Input([&](Match&) { session.Login(NewPlayerSlot, SamplePlayer, "1", "1"); });
    if (!Settle(window))
        return {};
    session.Input([](Match& m) { m.PressStart(); });
    const GameState& s = window.CurrentMatch().State();
    const bool personsTurn =
        Settle(window, [&] { return s.BeginState == UnderWay && s.Mover == LocalSeat; });
    return personsTurn ? Grab(window) : QImage();
}

// Opens a dialog the way the game does, through the window's presenter, and
// grabs it once it shows; the dialog is then closed, which ends `open`.
QImage GrabDialog(const std::function<void()>& open) {
    QImage picture;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible())
            return;
        poll.stop();
        picture = Grab(*dialog);
        dialog->close();
    });
    poll.start(10);
    open();
    return picture;
}

QImage History(MainWindow& window) {
    return GrabDialog(
        [&] { window.Dialogs().ShowHistory(window.CurrentSession().HistoryFolder()); });
}

QImage TopTen(MainWindow& window) {
    return GrabDialog([&] {
        window.Dialogs().ShowTopTen(window.CurrentSession().Records(), RecordFileKind::Club);
    });
}

// The end of a cycle that reached the third place.
QImage EndOfGame(MainWindow& window) {
    match_event::EndOfCycle end;
    end.outcome.cycleEnded = true;
    end.outcome.topTenPlace = 3;
    end.outcome.cycleScore = 47;
    end.shownScore = 47;
    return GrabDialog([&] { window.Dialogs().Show(end); });
}

// The general count of the player at the table of the table screen.
QImage GeneralCount(MainWindow& window) {
    if (Table(window).isNull())
        return {};
    const Match& match = window.CurrentMatch();
    return GrabDialog(
        [&] { window.Dialogs().ShowGeneralCount(match.Figures(), match.PlayerName()); });
}

// The notice of the tournament icon for a player not logged in.
QImage Notice(MainWindow& window) {
    return GrabDialog(
        [&] { window.Dialogs().Notice(ScreenText(Text(words::LogInToYourAccount)), {}, {}); });
}

// An online dialog, grabbed once the services have answered what it asked
// for on opening (with --server or TAVLIRA_SERVER, from that server).
QImage GrabOnlineDialog(MainWindow& window, const std::function<void()>& open) {
    QImage picture;
    QTimer poll;
    int quietPolls = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible())
            return;
        quietPolls = window.Services().Client().Pending() == 0 ? quietPolls + 1 : 0;
        if (quietPolls < 10)
            return;
        poll.stop();
        picture = Grab(*dialog);
        dialog->close();
    });
    poll.start(20);
    open();
    return picture;
}

QImage Account(MainWindow& window) {
    return GrabOnlineDialog(window, [&] { window.Online().Account(); });
}

QImage WorldTopTen(MainWindow& window) {
    return GrabOnlineDialog(window, [&] { window.Online().WorldTopTen(); });
}

QImage WorldStats(MainWindow& window) {
    return GrabOnlineDialog(window, [&] { window.Online().WorldStats(); });
}

QImage Chat(MainWindow& window) {
    return GrabOnlineDialog(window, [&] { window.Online().Chat(window.windowTitle()); });
}

QImage Passport(MainWindow& window) {
    return GrabOnlineDialog(window, [&] { window.Online().Passport(); });
}

// The tournament as the player of TAVLIRA_SCREENSHOT_LOGIN ("nick:password",
// on the server of --server) sees it on opening; without a log-in, the
// notice that asks for one. The picture is taken before anyone could sit
// down, so no table connection is made.
bool LogInForScreenshot(MainWindow& window) {
    const QString login = qEnvironmentVariable("TAVLIRA_SCREENSHOT_LOGIN");
    if (login.isEmpty())
        return true;
    std::optional<bool> loggedIn;
    window.Account().LogIn(login.section(':', 0, 0).toStdString(),
                           login.section(':', 1).toStdString(), false,
                           [&](bool done) { loggedIn = done; });
    return Settle(window, [&] { return loggedIn.has_value(); }) && *loggedIn;
}

QImage Tournament(MainWindow& window) {
    if (!LogInForScreenshot(window))
        return {};
    return GrabOnlineDialog(window, [&] { window.OpenTournament(); });
}

QImage TournamentTopTen(MainWindow& window) {
    if (!LogInForScreenshot(window))
        return {};
    return GrabOnlineDialog(window, [&] { window.Tournament()->TopTen(); });
}

QImage About(MainWindow& window) {
    return GrabDialog([&] { window.Dialogs().About(); });
}

QImage Advertising(MainWindow& window) {
    return GrabDialog([&] { window.Dialogs().Advertising(); });
}

QImage Support(MainWindow& window) {
    return GrabDialog([&] { window.Dialogs().Support(); });
}

QImage Help(MainWindow& window) {
    HelpWindow help(&window);
    help.Open(HelpContentsPage(CurrentLanguage()));
    return Grab(help);
}

// The options dialog, opened from the menu on one of its pages.
QImage Options(MainWindow& window, OptionsDialog::Page page) {
    if (!LeaveTitle(window))
        return {};
    OptionsDialog::RememberPage(page);
    return GrabDialog([&] { window.ShowOptions(); });
}

// Each screen by its name. A dialog is grabbed on its own, without the
// window behind it.
const std::pair<const char*, QImage (*)(MainWindow&)> Screens[] = {
    {"title", Title},
    {"menu", Menu},
    {"table", Table},
    {"topten", TopTen},
    {"endofgame", EndOfGame},
    {"history", History},
    {"generalcount", GeneralCount},
    {"notice", Notice},
    {"help", Help},
    {"about", About},
    {"advertising", Advertising},
    {"support", Support},
    {"account", Account},
    {"worldtopten", WorldTopTen},
    {"worldstats", WorldStats},
    {"chat", Chat},
    {"passport", Passport},
    {"tournament", Tournament},
    {"tournamenttopten", TournamentTopTen},
};

} // namespace

// "options" shows the first page, "options-<page>" each page.
std::optional<OptionsDialog::Page> OptionsPageOf(const QString& screen) {
    if (screen == QLatin1String("options"))
        return OptionsDialog::Page::General;
    for (int i = 0; i < OptionsDialog::PageCount; ++i) {
        const auto page = static_cast<OptionsDialog::Page>(i);
        if (screen == QLatin1String("options-") + QLatin1String(OptionsDialog::PageName(page)))
            return page;
    }
    return std::nullopt;
}

QStringList ScreenshotScreens() {
    QStringList names;
    for (const auto& [name, take] : Screens)
        names << QString::fromLatin1(name);
    names << QStringLiteral("options");
    for (int i = 0; i < OptionsDialog::PageCount; ++i)
        names << QLatin1String("options-") +
                     QLatin1String(OptionsDialog::PageName(static_cast<OptionsDialog::Page>(i)));
    return names;
}

std::optional<LanguageIndex> LanguageOfCode(const QString& code) {
    for (const auto& [iso, language] : IsoCodes)
        if (code == QLatin1String(iso))
            return language;
    return std::nullopt;
}

QStringList LanguageCodeList() {
    QStringList codes;
    for (const auto& [iso, language] : IsoCodes)
        codes << QString::fromLatin1(iso);
    return codes;
}

bool TakeScreenshot(const ScreenshotRequest& request) {
    const QString name = request.screen.section(':', 0, 0);
    const auto screen = std::find_if(std::begin(Screens), std::end(Screens),
                                     [&](const auto& s) { return name == QLatin1String(s.first); });
    const std::optional<OptionsDialog::Page> optionsPage = OptionsPageOf(name);
    if (screen == std::end(Screens) && !optionsPage) {
        std::fprintf(stderr, "tavlira-duo: unknown screen '%s'; the screens are %s\n",
                     qPrintable(name), qPrintable(ScreenshotScreens().join(", ")));
        return false;
    }
    const std::optional<ArtworkChoice> artwork = ParseArtwork(request.screen.section(':', 1));
    if (!artwork) {
        std::fprintf(stderr,
                     "tavlira-duo: the artwork is chosen as deck=0..47,back=0..12,"
                     "background=0..10,colour=0..6,purple, not '%s'\n",
                     qPrintable(request.screen.section(':', 1)));
        return false;
    }
    const QTemporaryDir folder;
    // The sample's family folder, where the online files are shared, is the
    // temporary folder too.
    const std::filesystem::path programFolder =
        std::filesystem::path(folder.path().toStdString()) / ProgramFolderName;
    const QStringList missing =
        MissingPacks(*artwork, request.windowSize,
                     SearchFolders(programFolder.string(),
                                   QCoreApplication::applicationDirPath().toStdString()));
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "tavlira-duo: cannot find the artwork pack %s\n",
                     qPrintable(missing.join(", ")));
        return false;
    }
    std::error_code error;
    if (!folder.isValid() || !std::filesystem::create_directory(programFolder, error) ||
        !FillProgramFolder(programFolder, request, *artwork)) {
        std::fprintf(stderr, "tavlira-duo: cannot make the sample program folder\n");
        return false;
    }
    MainWindow window(programFolder, SampleSeed);
    if (!window.Start()) {
        std::fprintf(stderr, "tavlira-duo: the game did not start\n");
        return false;
    }
    // TAVLIRA_SCREENSHOT_DATE=YYYY-MM-DD shows the menu's calendar of that day.
    if (const char* day = std::getenv("TAVLIRA_SCREENSHOT_DATE")) {
        const std::optional<Date> date = ParseIsoDate(day);
        if (!date) {
            std::fprintf(stderr, "tavlira-duo: TAVLIRA_SCREENSHOT_DATE is YYYY-MM-DD\n");
            return false;
        }
        window.findChild<MenuPage*>()->SetCalendarDay(date);
    }
    window.SetTimeScale(0);
    window.show();
    const QImage picture = optionsPage ? Options(window, *optionsPage) : screen->second(window);
    if (picture.isNull()) {
        std::fprintf(stderr, "tavlira-duo: the %s screen did not come up\n",
                     qPrintable(request.screen));
        return false;
    }
    if (!picture.save(request.file, "PNG")) {
        std::fprintf(stderr, "tavlira-duo: cannot write '%s'\n", qPrintable(request.file));
        return false;
    }
    return true;
}

} // namespace tavlira
