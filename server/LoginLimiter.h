#pragma once
// Slows down password guessing: after too many failed password checks from
// one address, or against one account, within a window, further checks are
// refused until the window has passed. Refused checks cost no hashing.

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <string>

namespace tavlira::server {

struct LoginLimits {
    int failuresPerAddress = 20;
    int failuresPerAccount = 10;
    std::chrono::seconds window{300};
};

class LoginLimiter {
  public:
    using Clock = std::chrono::steady_clock;
    explicit LoginLimiter(LoginLimits limits = {}) : limits_(limits) {}

    bool Allowed(const std::string& address, const std::string& nick, Clock::time_point now);
    void Failed(const std::string& address, const std::string& nick, Clock::time_point now);

  private:
    using Failures = std::map<std::string, std::deque<Clock::time_point>>;
    bool Below(Failures& failures, const std::string& key, int limit, Clock::time_point now);

    LoginLimits limits_;
    std::mutex mutex_;
    Failures byAddress_;
    Failures byAccount_;
};

} // namespace tavlira::server
