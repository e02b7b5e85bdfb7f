#pragma once
// The server on HTTP (cpp-httplib): the four form-post endpoints, the photo
// upload, and the plain downloads (service directory, public address, news,
// photos, artwork packs, radio, music and its playlist).
//
// Form posts must carry the access marker as User-Agent. Bodies are capped
// before they are read (PayloadLimit for the photo upload, FormLimit for
// every other post), slow clients time out, and a fixed pool of threads
// serves the connections.

#include "Service.h"

#include <filesystem>
#include <memory>
#include <string>

namespace httplib {
class Server;
struct Request;
} // namespace httplib

namespace tavlira::server {

struct HttpConfig {
    std::string host = "127.0.0.1";
    int port = 8066;             // 0: any free port
    std::filesystem::path files; // packs/, radio/, music/, news.txt
    std::string publicUrl;       // the base the service directory names; empty: derived
    // A thread serves one kept-alive connection at a time.
    int threads = 128;
    // A reverse proxy in front: for connections from this address the
    // caller is the last address its X-Forwarded-For names.
    std::string proxy;
    int timeoutSeconds = 5;
};

class HttpServer {
  public:
    static constexpr std::size_t PayloadLimit = 512 * 1024;
    static constexpr std::size_t FormLimit = 16 * 1024;
    static constexpr int IdleKeepAliveSeconds = 2;

    HttpServer(Service& service, HttpConfig config);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds the address; returns the port, or -1 when it cannot be bound.
    int Bind();
    // Serves until Stop (from another thread or a signal handler's thread).
    bool Run();
    void Stop();

  private:
    void Route();
    std::string Caller(const httplib::Request& req) const;
    std::string BaseUrl() const;

    Service& service_;
    HttpConfig config_;
    int port_ = -1;
    int listenSocket_ = -1;
    std::unique_ptr<httplib::Server> http_;
};

} // namespace tavlira::server
