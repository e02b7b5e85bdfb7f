#include "LoginLimiter.h"

namespace tavlira::server {

bool LoginLimiter::Below(Failures& failures, const std::string& key, int limit,
                         Clock::time_point now) {
    const auto found = failures.find(key);
    if (found == failures.end())
        return true;
    auto& times = found->second;
    while (!times.empty() && now - times.front() >= limits_.window)
        times.pop_front();
    if (times.empty()) {
        failures.erase(found); // forgotten keys do not pile up
        return true;
    }
    return static_cast<int>(times.size()) < limit;
}

bool LoginLimiter::Allowed(const std::string& address, const std::string& nick,
                           Clock::time_point now) {
    std::lock_guard lock(mutex_);
    const bool byAddress = Below(byAddress_, address, limits_.failuresPerAddress, now);
    const bool byAccount = Below(byAccount_, nick, limits_.failuresPerAccount, now);
    return byAddress && byAccount;
}

void LoginLimiter::Failed(const std::string& address, const std::string& nick,
                          Clock::time_point now) {
    std::lock_guard lock(mutex_);
    // No key keeps more failures than its limit: the oldest goes first.
    const auto note = [now](std::deque<Clock::time_point>& times, int limit) {
        times.push_back(now);
        while (static_cast<int>(times.size()) > limit)
            times.pop_front();
    };
    note(byAddress_[address], limits_.failuresPerAddress);
    note(byAccount_[nick], limits_.failuresPerAccount);
}

} // namespace tavlira::server
