#include "media/lists/Playlist.h"

#include "records/TextLines.h"

#include <algorithm>

namespace tavlira {
namespace {

// Well-formed UTF-8 without control characters.
bool IsCleanUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned int code = 0;
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F)
                return false;
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        const unsigned int least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

bool EndsWithMp3(std::string_view line) {
    constexpr std::string_view suffix = ".mp3";
    if (line.size() <= suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), line.end() - suffix.size(),
                      [](char a, char b) { return a == (b | 0x20); });
}

std::string Spaced(std::string_view text) {
    std::string spaced(Trim(text));
    std::replace(spaced.begin(), spaced.end(), '_', ' ');
    return std::string(Trim(spaced));
}

} // namespace

std::vector<Song> ReadPlaylist(std::string_view text) {
    std::vector<Song> songs;
    for (const std::string& raw : SplitLines(text, MaxPlaylistSongs * 4)) {
        const std::string_view line = Trim(raw);
        if (line.size() > MaxPlaylistLineLength || !EndsWithMp3(line) || line.front() == '.' ||
            line.find_first_of("/\\?#%") != std::string_view::npos || !IsCleanUtf8(line))
            continue;
        const std::string_view name = line.substr(0, line.size() - 4);
        const std::size_t tilde = name.find('~');
        Song song;
        song.file = std::string(line);
        if (tilde != std::string_view::npos) {
            song.artist = Spaced(name.substr(0, tilde));
            song.title = Spaced(name.substr(tilde + 1));
        } else
            song.title = Spaced(name);
        songs.push_back(std::move(song));
        if (songs.size() == MaxPlaylistSongs)
            break;
    }
    return songs;
}

} // namespace tavlira
