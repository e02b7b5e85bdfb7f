// The server end to end over HTTP on 127.0.0.1, on a port the system picks.

#include "HttpServer.h"
#include "TestDatabases.h"
#include "online/Account.h"
#include "online/Answer.h"
#include "online/Services.h"
#include "online/World.h"
#include "util/Cp1251.h"

#include <arpa/inet.h>
#include <fstream>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tavlira::server {
namespace {

using namespace online;

class HttpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitPasswords();
        files_ = database_.Folder() + "/files";
        for (const char* folder : {"packs", "radio", "music"})
            std::filesystem::create_directories(files_ + "/" + folder);
        storage_ = OpenStorage(database_.Open());
        ServiceConfig config;
        config.passwordCost = {1, 8192};
        service_ = std::make_unique<Service>(*storage_, config);
        HttpConfig http;
        http.port = 0;
        http.files = files_;
        http.threads = 4;
        http.timeoutSeconds = 1;
        http.proxy = proxy_;
        server_ = std::make_unique<HttpServer>(*service_, http);
        port_ = server_->Bind();
        ASSERT_GT(port_, 0);
        thread_ = std::thread([this] { server_->Run(); });
        client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
        client_->set_read_timeout(30);
    }
    void TearDown() override {
        if (server_)
            server_->Stop();
        if (thread_.joinable())
            thread_.join();
    }

    void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(files_ + "/" + path, std::ios::binary) << bytes;
    }

    // A form post as the game sends it; the answer read as the game reads it.
    template <class Request> std::string Ask(const Request& request) {
        const Post post = Build(request);
        const httplib::Headers agent = {{"User-Agent", std::string(UserAgent)}};
        const auto res = client_->Post(std::string(PathOf(post.endpoint)), agent, post.body,
                                       "application/x-www-form-urlencoded");
        if (!res || res->status != 200)
            return "<failed>";
        return AnswerFromWire(res->body);
    }

    std::string Get(const std::string& path, int expectedStatus = 200) {
        const auto res = client_->Get(path);
        EXPECT_TRUE(res) << path;
        if (!res)
            return {};
        EXPECT_EQ(res->status, expectedStatus) << path;
        return res->body;
    }

    std::string proxy_;
    TestDatabase database_{Backend::Sqlite};
    std::string files_;
    std::unique_ptr<Storage> storage_;
    std::unique_ptr<Service> service_;
    std::unique_ptr<HttpServer> server_;
    int port_ = 0;
    std::thread thread_;
    std::unique_ptr<httplib::Client> client_;
};

TEST_F(HttpTest, APlayerCreatesAnAccountPostsAResultAndChats) {
    Account account;
    account.Nick = "Mr.X";
    account.Pw = "secret1";
    account.City = Utf8ToCp1251("Москва");
    account.EMail = "x@y.z";
    EXPECT_EQ(ReadCreateAnswer(Ask(CreateAccountRequest{account})), CreateResult::Created);
    Account known;
    known.Nick = "Mr.X";
    const auto read = ReadAccountAnswer(Ask(ReadAccountRequest{"Mr.X", "secret1"}), known);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->City, account.City);

    EXPECT_EQ(ReadNumberAnswer(Ask(SendRecordRequest{OwnBoardId, "Mr.X", account.City, "1-001", 140,
                                                     "M", "5.7f", "#", "#"})),
              1);
    const auto board = ReadRecordsAnswer(Ask(BoardRecordsRequest{OwnBoardId}), OwnBoardId);
    ASSERT_TRUE(board);
    ASSERT_EQ(board->size(), 1u);
    EXPECT_EQ((*board)[0].Nick, "Mr.X");
    EXPECT_EQ((*board)[0].City, account.City);
    EXPECT_EQ((*board)[0].Score, 140);
    EXPECT_EQ(ReadNumberAnswer(Ask(BoardCountRequest{OwnBoardId})), 1);

    Ask(SendRecordRequest{ChatBoardId, "Mr.X", "Tula", "1-001", 1, "M", "5.7f", "Hi_all", "t"});
    const auto chat = ReadRecordsAnswer(Ask(BoardRecordsRequest{ChatBoardId}), ChatBoardId);
    ASSERT_TRUE(chat);
    ASSERT_EQ(chat->size(), 1u);
    EXPECT_EQ((*chat)[0].R09, "Hi_all");

    EXPECT_EQ(ReadNewsNumber(Get(std::string(NewsPath))), 0);
    WriteFile("news.txt", "Big news! QelNews00042\n");
    EXPECT_EQ(ReadNewsNumber(Get(std::string(NewsPath))), 42);
}

TEST_F(HttpTest, DownloadsServeTheFilesFolderAndNothingElse) {
    WriteFile("packs/QelCards06A.dll", std::string("pack\0bytes", 10));
    WriteFile("music/Some_Artist~My_Song.mp3", "ID3");
    WriteFile("music/notes.txt", "not a song");
    WriteFile("radio/QelRadio.rad", "RUS#x#Radio#Russia#http://127.0.0.1/s#logo");
    EXPECT_EQ(Get(std::string(PacksPath) + "QelCards06A.dll"), std::string("pack\0bytes", 10));
    EXPECT_EQ(Get(std::string(RadioListPath)).substr(0, 3), "RUS");
    EXPECT_EQ(ReadPlaylist(Get(std::string(PlaylistPath))),
              std::vector<std::string>{"Some_Artist~My_Song.mp3"});
    EXPECT_EQ(Get(std::string(MusicPath) + "Some_Artist~My_Song.mp3"), "ID3");

    // A FIFO is never opened for reading (which would hang), nor a folder,
    // nor anything outside the folder.
    ASSERT_EQ(mkfifo((files_ + "/packs/fifo.dll").c_str(), 0600), 0);
    Get(std::string(PacksPath) + "fifo.dll", 404);
    std::filesystem::create_directories(files_ + "/packs/folder.dll");
    Get(std::string(PacksPath) + "folder.dll", 404);
    Get(std::string(PacksPath) + "..%2Fnews.txt", 404);
    Get(std::string(PacksPath) + "missing.dll", 404);

    EXPECT_EQ(ReadPublicIp(Get(std::string(PublicIpPath))), "127.0.0.1");
    const ServiceDirectory directory = ReadServiceDirectory(Get(std::string(DirectoryPath)));
    EXPECT_EQ(directory.account,
              "http://127.0.0.1:" + std::to_string(port_) + std::string(AccountPath));
}

TEST_F(HttpTest, HostileRequestsAreRefused) {
    const std::string path(AccountPath);
    const std::string body = Build(ClubSizeRequest{}).body;
    // No access marker.
    auto res = client_->Post(path, body, "application/x-www-form-urlencoded");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 403);
    res = client_->Post(path, {{"User-Agent", "curl/7.88"}}, body,
                        "application/x-www-form-urlencoded");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 403);

    const httplib::Headers agent = {{"User-Agent", std::string(UserAgent)}};
    // A body over the limit is refused before it is read whole.
    res = client_->Post(path, agent, std::string(2 * HttpServer::PayloadLimit, 'a'),
                        "application/x-www-form-urlencoded");
    EXPECT_TRUE(!res || res->status == 413);
    res = client_->Post(path, agent, std::string(HttpServer::FormLimit + 1, 'a'),
                        "application/x-www-form-urlencoded");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 413);
    res = client_->Post(path, agent, "nick=%FF%FE&&pw=x&&label0=0",
                        "application/x-www-form-urlencoded");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 400);

    // The server still answers afterwards.
    EXPECT_EQ(ReadNumberAnswer(Ask(ClubSizeRequest{})), 0);
}

TEST_F(HttpTest, PhotosGoUpAndComeDown) {
    Account account;
    account.Nick = "Ann";
    account.Pw = "secret1";
    account.City = "Tula";
    account.EMail = "a@b.c";
    ASSERT_EQ(ReadCreateAnswer(Ask(CreateAccountRequest{account})), CreateResult::Created);
    const std::string jpeg("\xFF\xD8\xFF\xE0\0\x10JFIF", 10);
    const PhotoUpload upload{"Ann", "secret1", jpeg};
    const auto res = client_->Post(
        std::string(PhotoUploadPath), {{"User-Agent", std::string(UserAgent)}},
        PostBody(PhotoUpload::kind, upload.ToFields()), "application/x-www-form-urlencoded");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body, "ok");
    EXPECT_EQ(Get(std::string(PhotoFolderPath) + "Ann.jpg"), jpeg);
    Get(std::string(PhotoFolderPath) + "Bob.jpg", 404);
}

// A connection to the server, closed at the end.
class RawConnection {
  public:
    explicit RawConnection(int port) : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        timeval patience{60, 0}; // a safety net, far above the server's time-out
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    }
    ~RawConnection() { close(fd_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool Send(const std::string& bytes) {
        return connected_ && send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
                                 static_cast<ssize_t>(bytes.size());
    }
    // Everything until the server closes; nullopt when it never does.
    std::optional<std::string> ReadToClose() {
        std::string all;
        char buffer[512];
        ssize_t got = 0;
        while ((got = recv(fd_, buffer, sizeof buffer, 0)) > 0)
            all.append(buffer, static_cast<std::size_t>(got));
        if (got < 0)
            return std::nullopt;
        return all;
    }

  private:
    int fd_;
    bool connected_ = false;
};

TEST_F(HttpTest, AnOversizedBodyIsRefusedBeforeItIsRead) {
    RawConnection connection(port_);
    ASSERT_TRUE(connection.Send("POST " + std::string(AccountPath) +
                                " HTTP/1.1\r\nHost: x\r\nUser-Agent: KubLanternOwl\r\n"
                                "Content-Length: 400000\r\nConnection: close\r\n\r\n"));
    const auto answer = connection.ReadToClose();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->substr(0, 12), "HTTP/1.1 413");
}

TEST_F(HttpTest, AClientThatStallsIsCutOff) {
    // Headers that promise a body which never comes in full: the server
    // gives up after its time-out and closes the connection instead of
    // holding a thread for ever.
    RawConnection connection(port_);
    ASSERT_TRUE(connection.Send("POST " + std::string(AccountPath) +
                                " HTTP/1.1\r\nHost: x\r\nUser-Agent: KubLanternOwl\r\n"
                                "Content-Length: 100\r\n\r\nlabel1=0"));
    EXPECT_TRUE(connection.ReadToClose()) << "the connection was not closed";
    // The server answers the next caller.
    EXPECT_EQ(ReadNumberAnswer(Ask(ClubSizeRequest{})), 0);
}

class HttpBehindProxyTest : public HttpTest {
  protected:
    HttpBehindProxyTest() { proxy_ = "127.0.0.1"; }
};

TEST_F(HttpBehindProxyTest, TheCallerIsTheAddressTheProxyForwards) {
    auto res =
        client_->Get(std::string(PublicIpPath), {{"X-Forwarded-For", "198.51.100.7, 203.0.113.5"}});
    ASSERT_TRUE(res);
    EXPECT_EQ(ReadPublicIp(res->body), "203.0.113.5");
    // Without the header the proxy's own address stands.
    EXPECT_EQ(ReadPublicIp(Get(std::string(PublicIpPath))), "127.0.0.1");
}

} // namespace
} // namespace tavlira::server
