#include "calendar/PackCheck.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavlira {
namespace {

constexpr std::uint16_t FolderFlag = 2;

class Reader {
  public:
    explicit Reader(std::string_view pack) : bytes(pack) {}

    // The big-endian number of `size` bytes at `at`; none past the end.
    std::optional<std::uint64_t> Number(std::uint64_t at, int size) const {
        if (at > bytes.size() || bytes.size() - at < static_cast<std::uint64_t>(size))
            return std::nullopt;
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value =
                value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::uint64_t>(i)]);
        return value;
    }
    // A length-prefixed entry at `at` whose contents fit in the pack.
    bool Entry(std::uint64_t at, int lengthSize, int unitSize, int skip) const {
        const auto length = Number(at, lengthSize);
        if (!length)
            return false;
        const std::uint64_t end = at + static_cast<std::uint64_t>(lengthSize + skip) +
                                  *length * static_cast<std::uint64_t>(unitSize);
        return end <= bytes.size();
    }
    std::uint64_t Size() const { return bytes.size(); }

  private:
    std::string_view bytes;
};

} // namespace

bool IsWholeResourcePack(std::string_view pack) {
    const Reader r(pack);
    if (!pack.starts_with("qres"))
        return false;
    const auto version = r.Number(4, 4);
    const auto tree = r.Number(8, 4);
    const auto data = r.Number(12, 4);
    const auto names = r.Number(16, 4);
    if (!version || *version < 1 || *version > 3 || !tree || !data || !names ||
        (*version >= 3 && !r.Number(20, 4)))
        return false;
    const std::uint64_t nodeSize = *version == 1 ? 14 : 22;
    if (*tree > r.Size())
        return false;
    const std::uint64_t nodeCount = (r.Size() - *tree) / nodeSize;
    std::vector<bool> seen(static_cast<std::size_t>(nodeCount), false);
    std::vector<std::uint64_t> pending{0};
    while (!pending.empty()) {
        const std::uint64_t node = pending.back();
        pending.pop_back();
        if (node >= nodeCount || seen[static_cast<std::size_t>(node)])
            return false;
        seen[static_cast<std::size_t>(node)] = true;
        const std::uint64_t at = *tree + node * nodeSize;
        const auto name = r.Number(at, 4);
        const auto flags = r.Number(at + 4, 2);
        // The root has no name of its own.
        if (!name || !flags || (node != 0 && !r.Entry(*names + *name, 2, 2, 4)))
            return false;
        if (*flags & FolderFlag) {
            const auto children = r.Number(at + 6, 4);
            const auto first = r.Number(at + 10, 4);
            if (!children || !first || *first + *children > nodeCount)
                return false;
            for (std::uint64_t child = 0; child < *children; ++child)
                pending.push_back(*first + child);
        } else {
            const auto offset = r.Number(at + 10, 4);
            if (!offset || !r.Entry(*data + *offset, 4, 1, 0))
                return false;
        }
    }
    return true;
}

} // namespace tavlira
