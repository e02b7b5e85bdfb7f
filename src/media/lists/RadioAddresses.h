#pragma once
// Where the radio and the music player look on the network: the companion
// server's folders and the station the radio tunes to before the player has
// chosen one. Every address of the two players is here and nowhere else.

namespace tavlira {

// The companion server: the station list is <RadioServerFolder>QelRadio.rad,
// the playlist <MusicServerFolder>playlist.txt, each song <MusicServerFolder><line>.
inline constexpr const char* RadioServerFolder = "http://127.0.0.1:8066/radio/";
inline constexpr const char* MusicServerFolder = "http://127.0.0.1:8066/music/";

// The station of a fresh radio settings file.
inline constexpr const char* DefaultStationName = "Radio Mayak";
inline constexpr const char* DefaultStationAddress =
    "http://icecast.vgtrk.cdnvideo.ru/mayakfm_mp3_192kbps";
inline constexpr const char* DefaultStationCountry = "Russian Federation";
inline constexpr const char* DefaultStationLogo = "RRADIO_LOGO_MAYAK";

} // namespace tavlira
