#pragma once
// The web server's behaviour, without HTTP: a form post's body in, the
// answer out. Every request of the game is answered here; the HTTP layer
// only checks the access marker, caps bodies and passes the caller's address.

#include "BoardCache.h"
#include "LoginLimiter.h"
#include "Passwords.h"
#include "Storage.h"
#include "online/Endpoints.h"

#include <string>
#include <string_view>

namespace tavlira::server {

struct ServiceConfig {
    // The table server of the tournament; without one the tournament is
    // shown as off.
    std::string tableServerAddress;
    int tableServerPort = 0; // the port of table 1
    std::string welcome = "Welcome to the world online tournament!";
    LoginLimits loginLimits;
    PasswordCost passwordCost;
    // How long a world board's answer is reused (BoardCache); zero reads the
    // storage every time.
    std::chrono::milliseconds boardCacheLifetime{1000};
};

struct Answer {
    int status = 200; // 400: a body that is no request of this endpoint
    std::string text; // code page 1251
};

class Service {
  public:
    Service(Storage& storage, ServiceConfig config);

    Answer Handle(online::Endpoint endpoint, std::string_view body, const std::string& caller);
    // The photo upload (its own endpoint): a field list with nick, pw and photo.
    Answer UploadPhoto(std::string_view body, const std::string& caller);

    // The photo of a nick given as UTF-8 (from an address).
    std::optional<std::string> Photo(const std::string& utf8Nick);

    // The largest photo accepted, in bytes.
    static constexpr std::size_t PhotoLimit = 256 * 1024;

  private:
    struct Handler; // one answer per request kind (Service.cpp)

    // The account of `nick` when `password` is its password; failed checks
    // count towards the login limits.
    std::optional<StoredAccount> Authenticate(const std::string& nick, const std::string& password,
                                              const std::string& caller);

    Storage& storage_;
    ServiceConfig config_;
    LoginLimiter limiter_;
    BoardCache boards_;
};

} // namespace tavlira::server
