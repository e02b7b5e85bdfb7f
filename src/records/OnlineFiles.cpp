#include "records/OnlineFiles.h"

#include "records/AtomicFile.h"
#include "records/TextLines.h"
#include "util/TextCipher.h"

#include <system_error>
#include <vector>

namespace tavlira {
namespace {

std::filesystem::path In(const std::filesystem::path& folder, std::string_view name) {
    return folder / std::string(name);
}

std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& path,
                                                  std::size_t count, FileSystem& fileSystem) {
    const FileBytes file = fileSystem.Read(path, MaxOwnFileBytes);
    if (file.state != FileState::Read)
        return std::nullopt;
    return SplitLines(file.bytes, count);
}

// A number of a marker file; a negative or unreadable one counts as 0.
long long SeenNumber(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? std::max(0LL, ParseInteger(lines[index], 0)) : 0;
}

bool Rewrite(const std::filesystem::path& path, const std::vector<std::string>& lines,
             FileSystem& fileSystem) {
    const FileLock lock(path);
    return lock.Held() && ReplaceFile(path, JoinLines(lines), fileSystem);
}

} // namespace

std::optional<RememberedAccount> ReadAccountFile(const std::filesystem::path& familyFolder,
                                                 FileSystem& fileSystem) {
    const auto lines = ReadLines(In(familyFolder, AccountFileName), 3, fileSystem);
    if (!lines || lines->size() < 3 || (*lines)[0] != AccountFileHeading)
        return std::nullopt;
    return RememberedAccount{(*lines)[1], DecodeText((*lines)[2], CipherKey::AccountPassword)};
}

bool WriteAccountFile(const std::filesystem::path& familyFolder, const RememberedAccount& account,
                      FileSystem& fileSystem) {
    return Rewrite(In(familyFolder, AccountFileName),
                   {std::string(AccountFileHeading), Printable(account.nick),
                    EncodeText(account.password, CipherKey::AccountPassword)},
                   fileSystem);
}

bool AccountFileExists(const std::filesystem::path& familyFolder) {
    std::error_code error;
    return std::filesystem::is_regular_file(In(familyFolder, AccountFileName), error);
}

bool DeleteAccountFile(const std::filesystem::path& familyFolder) {
    std::error_code error;
    std::filesystem::remove(In(familyFolder, AccountFileName), error);
    return !std::filesystem::exists(In(familyFolder, AccountFileName), error);
}

ChatMarker ReadChatMarker(const std::filesystem::path& familyFolder, FileSystem& fileSystem) {
    const std::filesystem::path path = In(familyFolder, ChatMarkerFileName);
    const FileBytes file = fileSystem.Read(path, MaxOwnFileBytes);
    if (file.state == FileState::Missing) {
        const ChatMarker fresh{1, false, false};
        WriteChatMarker(familyFolder, fresh, fileSystem);
        return fresh;
    }
    if (file.state != FileState::Read)
        return {};
    const std::vector<std::string> lines = SplitLines(file.bytes, 3);
    const auto on = [&](std::size_t index) { return index < lines.size() && lines[index] == "1"; };
    return {SeenNumber(lines, 0), on(1), on(2)};
}

bool WriteChatMarker(const std::filesystem::path& familyFolder, const ChatMarker& marker,
                     FileSystem& fileSystem) {
    return Rewrite(In(familyFolder, ChatMarkerFileName),
                   {std::to_string(marker.newestSeen), marker.newestAtBottom ? "1" : "0",
                    marker.openOnNewMessage ? "1" : "0"},
                   fileSystem);
}

long long ReadNewsMarker(const std::filesystem::path& familyFolder, FileSystem& fileSystem) {
    const auto lines = ReadLines(In(familyFolder, NewsMarkerFileName), 1, fileSystem);
    return lines ? SeenNumber(*lines, 0) : 0;
}

bool WriteNewsMarker(const std::filesystem::path& familyFolder, long long newestSeen,
                     FileSystem& fileSystem) {
    return Rewrite(In(familyFolder, NewsMarkerFileName), {std::to_string(newestSeen)}, fileSystem);
}

} // namespace tavlira
