#include "util/ResourcePack.h"

#include <cstdint>
#include <vector>

namespace tavlira {
namespace {

constexpr std::uint16_t kCompressed = 0x01;
constexpr std::uint16_t kFolder = 0x02;
constexpr std::uint16_t kCompressedZstd = 0x04;

class Reader {
  public:
    explicit Reader(std::string_view bytes) : file(bytes) {}

    bool Has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= file.size() && length <= file.size() - offset;
    }
    std::uint32_t U32(std::uint64_t at) const {
        return static_cast<std::uint32_t>(Byte(at)) << 24 |
               static_cast<std::uint32_t>(Byte(at + 1)) << 16 |
               static_cast<std::uint32_t>(Byte(at + 2)) << 8 | Byte(at + 3);
    }
    std::uint16_t U16(std::uint64_t at) const {
        return static_cast<std::uint16_t>(Byte(at) << 8 | Byte(at + 1));
    }
    std::uint64_t Size() const { return file.size(); }

  private:
    unsigned char Byte(std::uint64_t at) const { return static_cast<unsigned char>(file[at]); }

    std::string_view file;
};

} // namespace

bool IsWholeResourcePack(std::string_view pack) {
    const Reader in(pack);
    if (!pack.starts_with("qres") || !in.Has(0, 20))
        return false;
    const std::uint32_t version = in.U32(4);
    if (version < 1 || version > 3)
        return false;
    const std::uint64_t headerSize = version >= 3 ? 24 : 20;
    const std::uint64_t tree = in.U32(8);
    const std::uint64_t data = in.U32(12);
    const std::uint64_t names = in.U32(16);
    if (!in.Has(0, headerSize) || tree < headerSize || data < headerSize || names < headerSize)
        return false;
    const std::uint64_t entrySize = version >= 2 ? 22 : 14;
    if (!in.Has(tree, entrySize))
        return false;
    const std::uint64_t entries = (in.Size() - tree) / entrySize;

    auto nameFits = [&](std::uint64_t entry) {
        const std::uint64_t at = names + in.U32(entry);
        return in.Has(at, 6) && in.Has(at + 6, 2ull * in.U16(at));
    };

    std::vector<bool> seen(entries, false);
    std::vector<std::uint64_t> folders{0};
    seen[0] = true;
    if ((in.U16(tree + 4) & kFolder) == 0)
        return false;
    while (!folders.empty()) {
        const std::uint64_t folder = tree + folders.back() * entrySize;
        folders.pop_back();
        if (!nameFits(folder))
            return false;
        const std::uint64_t count = in.U32(folder + 6);
        const std::uint64_t first = in.U32(folder + 10);
        if (first > entries || count > entries - first)
            return false;
        for (std::uint64_t child = first; child < first + count; ++child) {
            if (seen[child])
                return false; // shared or circular: not a tree
            seen[child] = true;
            const std::uint64_t entry = tree + child * entrySize;
            const std::uint16_t flags = in.U16(entry + 4);
            if (!nameFits(entry))
                return false;
            if (flags & kFolder) {
                folders.push_back(child);
                continue;
            }
            if (flags & (kCompressed | kCompressedZstd))
                return false;
            const std::uint64_t at = data + in.U32(entry + 10);
            if (!in.Has(at, 4) || !in.Has(at + 4, in.U32(at)))
                return false;
        }
    }
    return true;
}

} // namespace tavlira
