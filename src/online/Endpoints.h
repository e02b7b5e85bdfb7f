#pragma once
// Where the online services live on the web server, relative to its base
// address (the client keeps the base; the service directory can replace the
// statistics, account and tournament endpoints with absolute addresses).

#include "net/DuelMessages.h"

#include <string_view>

namespace tavlira::online {

using net::GameCode;

// The four form-post endpoints. Every form post carries the access marker as
// its User-Agent; the server refuses a post without it.
enum class Endpoint { Account, Statistics, Tournament, Table };
inline constexpr std::string_view AccountPath = "/acc/account.php";
inline constexpr std::string_view StatisticsPath = "/stat/stat.php";
inline constexpr std::string_view TournamentPath = "/wt/games.php";
inline constexpr std::string_view TablePath = "/wt/table.php";
inline constexpr std::string_view UserAgent = "KubLanternOwl";

constexpr std::string_view PathOf(Endpoint endpoint) {
    switch (endpoint) {
    case Endpoint::Account:
        return AccountPath;
    case Endpoint::Statistics:
        return StatisticsPath;
    case Endpoint::Tournament:
        return TournamentPath;
    case Endpoint::Table:
        return TablePath;
    }
    return AccountPath;
}

// The service directory (a plain GET, UTF-8 text): "key=value#" entries
// whose values are absolute addresses enciphered with the service-address key.
inline constexpr std::string_view DirectoryPath = "/dir/services.txt";
inline constexpr std::string_view StatisticsKey = "StatPath";
inline constexpr std::string_view AccountKey = "AccPath";
inline constexpr std::string_view TournamentKey = "WTGamesPatt";
// Present anywhere in the directory: the world top ten is paused.
inline constexpr std::string_view WorldTopTenPause = "WTGamesPause";
inline constexpr std::string_view ChatPause = "CTGamesPause";

// The caller's own address as one text line.
inline constexpr std::string_view PublicIpPath = "/get_ip.php";

// The news page: UTF-8 text; "QelNews" and the next five characters hold the
// newest news number.
inline constexpr std::string_view NewsPath = "/news/news.txt";

// Photos: GET PhotoFolderPath + nick + ".jpg"; upload with a form post to
// PhotoUploadPath (PhotoUpload in Account.h).
inline constexpr std::string_view PhotoFolderPath = "/photos/";
inline constexpr std::string_view PhotoUploadPath = "/photos/upload.php";

// Plain downloads: artwork packs by file name, the radio station list and a
// test stream, the MP3 songs, and the playlist (one song file name of the
// music folder per line, UTF-8).
inline constexpr std::string_view PacksPath = "/downloads/progr/cards/";
inline constexpr std::string_view RadioPath = "/radio/";
inline constexpr std::string_view RadioListPath = "/radio/QelRadio.rad";
inline constexpr std::string_view MusicPath = "/music/";
inline constexpr std::string_view PlaylistPath = "/music/playlist.txt";

// The game ids of the record boards: the game's own results, the other
// platform's, the account players', and the chat board.
inline constexpr int OwnBoardId = GameCode;
inline constexpr int OtherPlatformBoardId = GameCode + 100;
inline constexpr int AccountBoardId = GameCode + 300;
inline constexpr int ChatBoardId = 100;

// Field names of the account's game statistics begin with this prefix.
inline constexpr std::string_view StatsPrefix = "crdtavl2";

} // namespace tavlira::online
