#pragma once
// The files the maker's games share in the family folder (the parent of the
// program folder) for the online services:
//
//   "QelUser.qel"    the remembered account: line 1 "Qel User File", line 2
//                    the nick, line 3 the password enciphered with the
//                    account key (TextCipher).
//   "QelChatQel.ini" the chat: line 1 the number of the newest message seen,
//                    line 2 "1"/"0" the newest message at the bottom, line 3
//                    "1"/"0" open the chat when a new message comes.
//   "QelNewsQel.ini" the news: one line, the number of the newest item seen.
//
// All are code page 1251 lines ended by CR LF, rewritten atomically.

#include "records/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

inline constexpr std::string_view AccountFileName = "QelUser.qel";
inline constexpr std::string_view AccountFileHeading = "Qel User File";
inline constexpr std::string_view ChatMarkerFileName = "QelChatQel.ini";
inline constexpr std::string_view NewsMarkerFileName = "QelNewsQel.ini";

// The account remembered on this computer; the password in plain text.
struct RememberedAccount {
    std::string nick;
    std::string password;
    friend bool operator==(const RememberedAccount&, const RememberedAccount&) = default;
};

// Nothing when the file is missing, unreadable, or its first line is not
// the heading.
std::optional<RememberedAccount> ReadAccountFile(const std::filesystem::path& familyFolder,
                                                 FileSystem& fileSystem = RealFileSystem());
bool WriteAccountFile(const std::filesystem::path& familyFolder, const RememberedAccount& account,
                      FileSystem& fileSystem = RealFileSystem());
bool AccountFileExists(const std::filesystem::path& familyFolder);
// True when the file is gone afterwards (also when there was none).
bool DeleteAccountFile(const std::filesystem::path& familyFolder);

struct ChatMarker {
    long long newestSeen = 0;
    bool newestAtBottom = false;
    bool openOnNewMessage = false;
    friend bool operator==(const ChatMarker&, const ChatMarker&) = default;
};

// A file that cannot be read counts as nothing seen, both choices off. A
// missing one is created with the first message counted as seen.
ChatMarker ReadChatMarker(const std::filesystem::path& familyFolder,
                          FileSystem& fileSystem = RealFileSystem());
bool WriteChatMarker(const std::filesystem::path& familyFolder, const ChatMarker& marker,
                     FileSystem& fileSystem = RealFileSystem());

// 0 when the file is missing or unreadable.
long long ReadNewsMarker(const std::filesystem::path& familyFolder,
                         FileSystem& fileSystem = RealFileSystem());
bool WriteNewsMarker(const std::filesystem::path& familyFolder, long long newestSeen,
                     FileSystem& fileSystem = RealFileSystem());

} // namespace tavlira
