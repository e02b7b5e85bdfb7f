#include "HttpServer.h"

#include "online/Answer.h"
#include "online/Endpoints.h"
#include "online/Services.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <httplib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlira::server {
namespace {

namespace fs = std::filesystem;
using online::Endpoint;

constexpr const char* TextType = "text/plain; charset=utf-8";

void SendAnswer(httplib::Response& res, const Answer& answer) {
    res.status = answer.status;
    res.set_content(online::AnswerToWire(answer.text), TextType);
}

// A file name inside one folder of the files tree: a single path element,
// no "..", no hidden files.
bool IsPlainName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos &&
           name.find('\\') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

const char* ContentType(const fs::path& path) {
    const std::string ext = path.extension().string();
    if (ext == ".mp3")
        return "audio/mpeg";
    if (ext == ".txt" || ext == ".rad" || ext == ".ser")
        return "text/plain; charset=utf-8";
    if (ext == ".jpg")
        return "image/jpeg";
    return "application/octet-stream";
}

// Streams a regular file in pieces; a FIFO, a folder or a link out of the
// tree is not served.
bool SendFile(const fs::path& path, httplib::Response& res) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    auto file = std::make_shared<int>(fd);
    const auto size = static_cast<std::size_t>(info.st_size);
    res.set_content_provider(
        size, ContentType(path),
        [file](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            char buffer[64 * 1024];
            const std::size_t want = std::min(length, sizeof buffer);
            const ssize_t got = ::pread(*file, buffer, want, static_cast<off_t>(offset));
            if (got <= 0)
                return false;
            return sink.write(buffer, static_cast<std::size_t>(got));
        },
        [file](bool) { ::close(*file); });
    return true;
}

std::vector<std::string> Songs(const fs::path& folder) {
    std::vector<std::string> songs;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && entry.path().extension() == ".mp3" && IsPlainName(name))
            songs.push_back(name);
    }
    std::sort(songs.begin(), songs.end());
    return songs;
}

} // namespace

HttpServer::HttpServer(Service& service, HttpConfig config)
    : service_(service), config_(std::move(config)), http_(std::make_unique<httplib::Server>()) {
    const int threads = std::max(1, config_.threads);
    http_->new_task_queue = [threads] {
        return new httplib::ThreadPool(static_cast<std::size_t>(threads));
    };
    http_->set_payload_max_length(PayloadLimit);
    http_->set_read_timeout(config_.timeoutSeconds);
    http_->set_write_timeout(config_.timeoutSeconds);
    // An idle kept-alive connection holds a thread, and ending the server
    // waits for it: the game's requests come in bursts, so two seconds of
    // silence end the connection.
    http_->set_keep_alive_timeout(std::min(config_.timeoutSeconds, IdleKeepAliveSeconds));
    // Answers are small: without TCP_NODELAY each would wait for the
    // client's delayed acknowledgement (some 40 ms).
    http_->set_tcp_nodelay(true);
    // A thread serves one connection while it is kept alive; a bounded
    // number of requests per connection lets waiting connections in.
    http_->set_keep_alive_max_count(100);
    // The library listens with a backlog of 5, which drops the connections
    // of a burst of players (their retry comes a second later); the socket is
    // kept here to listen again with the system's backlog once bound.
    http_->set_socket_options([this](int socket) {
        const int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        listenSocket_ = socket;
    });
    http_->set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr error) {
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "tavlira-server: %s\n", e.what());
            } catch (...) {
            }
            res.status = 500;
            res.set_content(std::string(online::FailAnswer), TextType);
        });
    Route();
}

HttpServer::~HttpServer() = default;

std::string HttpServer::BaseUrl() const {
    if (!config_.publicUrl.empty())
        return config_.publicUrl;
    return "http://" + config_.host + ":" + std::to_string(port_);
}

std::string HttpServer::Caller(const httplib::Request& req) const {
    if (config_.proxy.empty() || req.remote_addr != config_.proxy)
        return req.remote_addr;
    const std::string forwarded = req.get_header_value("X-Forwarded-For");
    std::string_view last(forwarded);
    if (const std::size_t comma = last.rfind(','); comma != std::string_view::npos)
        last.remove_prefix(comma + 1);
    while (!last.empty() && last.front() == ' ')
        last.remove_prefix(1);
    while (!last.empty() && last.back() == ' ')
        last.remove_suffix(1);
    return last.empty() ? req.remote_addr : std::string(last);
}

void HttpServer::Route() {
    // Before a body is read: a post without the access marker, or one that
    // announces more than its endpoint takes, is answered at once.
    http_->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (req.method != "POST")
            return httplib::Server::HandlerResponse::Unhandled;
        if (req.get_header_value("User-Agent") != online::UserAgent) {
            SendAnswer(res, {403, std::string(online::FailAnswer)});
            return httplib::Server::HandlerResponse::Handled;
        }
        const std::size_t limit = req.path == online::PhotoUploadPath ? PayloadLimit : FormLimit;
        const std::string length = req.get_header_value("Content-Length");
        const bool digits =
            std::all_of(length.begin(), length.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || length.size() > 9 || (!length.empty() && std::stoul(length) > limit)) {
            SendAnswer(res, {413, std::string(online::FailAnswer)});
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });

    const auto formPost = [this](Endpoint endpoint) {
        return [this, endpoint](const httplib::Request& req, httplib::Response& res) {
            if (req.body.size() > FormLimit) {
                SendAnswer(res, {413, std::string(online::FailAnswer)});
                return;
            }
            SendAnswer(res, service_.Handle(endpoint, req.body, Caller(req)));
        };
    };
    for (const Endpoint endpoint :
         {Endpoint::Account, Endpoint::Statistics, Endpoint::Tournament, Endpoint::Table})
        http_->Post(std::string(online::PathOf(endpoint)), formPost(endpoint));

    http_->Post(std::string(online::PhotoUploadPath),
                [this](const httplib::Request& req, httplib::Response& res) {
                    SendAnswer(res, service_.UploadPhoto(req.body, Caller(req)));
                });

    http_->Get(std::string(online::DirectoryPath),
               [this](const httplib::Request&, httplib::Response& res) {
                   online::ServiceDirectory directory;
                   directory.statistics = BaseUrl() + std::string(online::StatisticsPath);
                   directory.account = BaseUrl() + std::string(online::AccountPath);
                   directory.tournament = BaseUrl() + std::string(online::TournamentPath);
                   res.set_content(online::WriteServiceDirectory(directory), TextType);
               });
    http_->Get(std::string(online::PublicIpPath),
               [this](const httplib::Request& req, httplib::Response& res) {
                   res.set_content(online::WritePublicIp(Caller(req)), TextType);
               });
    http_->Get(std::string(online::NewsPath),
               [this](const httplib::Request&, httplib::Response& res) {
                   if (!SendFile(config_.files / "news.txt", res))
                       res.set_content(online::NewsMarker(0) + "\n", TextType);
               });
    http_->Get(std::string(online::PlaylistPath),
               [this](const httplib::Request&, httplib::Response& res) {
                   res.set_content(online::WritePlaylist(Songs(config_.files / "music")), TextType);
               });
    http_->Get(std::string(online::PhotoFolderPath) + "(.+)\\.jpg",
               [this](const httplib::Request& req, httplib::Response& res) {
                   const auto photo = service_.Photo(req.matches[1].str());
                   if (!photo) {
                       res.status = 404;
                       return;
                   }
                   res.set_content(*photo, "image/jpeg");
               });

    // Plain files: one folder of the files tree each, file names only.
    const auto folder = [this](const std::string& prefix, const std::string& sub) {
        http_->Get(prefix + "([^/]+)",
                   [this, sub](const httplib::Request& req, httplib::Response& res) {
                       const std::string name = req.matches[1].str();
                       if (!IsPlainName(name) || !SendFile(config_.files / sub / name, res))
                           res.status = 404;
                   });
    };
    folder(std::string(online::PacksPath), "packs");
    folder(std::string(online::RadioPath), "radio");
    folder(std::string(online::MusicPath), "music");
}

int HttpServer::Bind() {
    if (config_.port == 0)
        port_ = http_->bind_to_any_port(config_.host);
    else
        port_ = http_->bind_to_port(config_.host, config_.port) ? config_.port : -1;
    if (port_ >= 0 && listenSocket_ >= 0)
        ::listen(listenSocket_, SOMAXCONN);
    return port_;
}

bool HttpServer::Run() {
    return http_->listen_after_bind();
}

void HttpServer::Stop() {
    http_->stop();
}

} // namespace tavlira::server
