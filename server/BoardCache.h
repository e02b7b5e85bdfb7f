#pragma once
// A short-lived copy of each world board's answer. Boards are read far more
// often than they change (every open dialog reads them, a result is posted
// once per cycle of games), and on PostgreSQL each read is a round trip to the
// database, so the same ten rows are answered from memory for a moment.
//
// A record posted through this server drops its board's copy at once, so a
// player always sees the own result. A record posted through another server
// sharing the database shows once the copy has aged out (`lifetime`).
//
// A read that started before a post may finish after it; each post counts up
// its board's generation, and a copy is kept only when no post came between
// the start of its read (`Generation`) and `Keep`.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace tavlira::server {

class BoardCache {
  public:
    using Clock = std::chrono::steady_clock;

    // A lifetime of zero keeps nothing.
    explicit BoardCache(std::chrono::milliseconds lifetime) : lifetime_(lifetime) {}

    // The board's answer, or nothing when the caller is to read the storage.
    // Once a copy has aged, one caller reads the board again while the others
    // still get the aged copy, so that a hundred waiting players do not all
    // reach the database at the same moment.
    std::optional<std::string> Find(int gid, Clock::time_point now) {
        std::lock_guard lock(mutex_);
        const auto it = boards_.find(gid);
        if (it == boards_.end())
            return std::nullopt;
        Copy& copy = it->second;
        if (now < copy.expires)
            return copy.answer;
        if (!copy.current || now < copy.refreshing + lifetime_)
            return copy.current ? std::optional(copy.answer) : std::nullopt;
        copy.refreshing = now; // this caller reads; a reader that never comes back is replaced
        return std::nullopt;
    }

    // Taken before the storage is read, handed to Keep.
    std::uint64_t Generation(int gid) const {
        std::lock_guard lock(mutex_);
        const auto it = boards_.find(gid);
        return it == boards_.end() ? 0 : it->second.generation;
    }

    void Keep(int gid, std::string answer, Clock::time_point now, std::uint64_t readGeneration) {
        if (lifetime_.count() <= 0)
            return;
        std::lock_guard lock(mutex_);
        Copy& copy = boards_[gid];
        if (copy.generation != readGeneration)
            return;
        copy.answer = std::move(answer);
        copy.expires = now + lifetime_;
        copy.current = true;
        copy.refreshing = {};
    }

    // A record was posted to the board.
    void Drop(int gid) {
        std::lock_guard lock(mutex_);
        Copy& copy = boards_[gid];
        ++copy.generation;
        copy.expires = {};
        copy.current = false; // never answer the board as it was before the post
    }

  private:
    struct Copy {
        std::string answer;
        Clock::time_point expires{};    // the epoch: nothing kept yet
        Clock::time_point refreshing{}; // when a caller went to read the aged board
        bool current = false;           // the answer holds every post made here
        std::uint64_t generation = 0;
    };
    const std::chrono::milliseconds lifetime_;
    mutable std::mutex mutex_;
    std::map<int, Copy> boards_; // a handful of board ids, all known in advance
};

} // namespace tavlira::server
