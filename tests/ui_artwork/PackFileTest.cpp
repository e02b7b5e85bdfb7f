// The checks a pack passes before Qt maps it, on the graph pack of the build
// and on copies of it damaged in each part of its layout.
#include "util/ResourcePack.h"

#include <QFile>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace tavlira {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes GraphPack() {
    QFile file(QStringLiteral(TAVLIRA_PACKS_DIR "/QelCGraph1.dll"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

std::string_view AsText(const Bytes& b) {
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::uint32_t U32(const Bytes& b, size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

void Put32(Bytes& b, size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<size_t>(i)] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

class PackFile : public testing::Test {
  protected:
    void SetUp() override {
        pack = GraphPack();
        ASSERT_GT(pack.size(), 1000u);
        tree = U32(pack, 8);
    }
    // The tree entry `index`: 22 bytes in the version the build writes.
    size_t Entry(size_t index) const { return tree + 22 * index; }

    Bytes pack;
    size_t tree = 0;
};

TEST_F(PackFile, TheBuiltPackPasses) {
    EXPECT_TRUE(IsWholeResourcePack(AsText(pack)));
}

TEST_F(PackFile, DamageInEachPartIsRefused) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"header only", [](Bytes& b) { b.resize(24); }},
        {"magic", [](Bytes& b) { b[0] = 'Q'; }},
        {"version", [](Bytes& b) { Put32(b, 4, 9); }},
        {"tree beyond the end",
         [](Bytes& b) { Put32(b, 8, static_cast<std::uint32_t>(b.size())); }},
        {"last entry cut", [](Bytes& b) { b.resize(b.size() - 5); }},
        {"root is a file", [this](Bytes& b) { b[Entry(0) + 5] = 0; }},
        {"children beyond the tree", [this](Bytes& b) { Put32(b, Entry(0) + 6, 100000); }},
        {"a folder its own child", [this](Bytes& b) { Put32(b, Entry(0) + 10, 0); }},
        {"name beyond the end", [this](Bytes& b) { Put32(b, Entry(1), 0x7FFFFFFF); }},
        {"data beyond the end",
         [this](Bytes& b) {
             // The first folder's first child is a picture: aim its data away.
             const size_t file = Entry(U32(b, Entry(1) + 10));
             Put32(b, file + 10, 0x7FFFFFF0);
         }},
        {"compressed entry",
         [this](Bytes& b) {
             const size_t file = Entry(U32(b, Entry(1) + 10));
             b[file + 5] |= 0x01;
         }},
    };
    for (const Case& c : cases) {
        Bytes damaged = pack;
        c.damage(damaged);
        EXPECT_FALSE(IsWholeResourcePack(AsText(damaged))) << c.what;
    }
}

// Bytes changed at random anywhere: the check either passes or refuses, and
// never reads outside the file (the sanitizer builds watch that).
TEST_F(PackFile, RandomDamageNeverReadsOutside) {
    std::mt19937 random(66);
    for (int round = 0; round < 300; ++round) {
        Bytes damaged = pack;
        for (int flip = 0; flip < 4; ++flip) {
            // Most of the file is picture data; aim half the flips at the
            // header, names and tree at its ends.
            const size_t at =
                round % 2 ? random() % damaged.size()
                          : (random() % 2 ? random() % 24 : damaged.size() - 1 - random() % 4000);
            damaged[at] ^= static_cast<unsigned char>(1u << (random() % 8));
        }
        if (round % 3 == 0)
            damaged.resize(random() % damaged.size());
        (void)IsWholeResourcePack(AsText(damaged));
    }
    SUCCEED();
}

} // namespace
} // namespace tavlira
