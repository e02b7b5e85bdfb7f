#pragma once
// The table server of the world online tournament: ten tables, table t on
// port firstPort + t - 1, two seats each. A player whose seat the web
// service has given to its address connects and sends "connect" + seat;
// when both seats are there, the server deals and then relays each seat's
// frames to the other.
//
// Frames from a player are 20 characters: the payload padded with "#",
// the 20th character the sender's seat digit. The server sends the deal
// ("b", then 52 card codes, 52 rank orders and 52 values, as a duel deal
// without its flag: figures never have points here) and its own frames
// "a" (the opponent left), "T" (the opponent's time ran out) and "e" (the
// game is closed), padded the same way and ended with "0".

#include "Storage.h"

#include <atomic>
#include <map>
#include <string>
#include <string_view>

namespace tavlira::server {

class TableServer {
  public:
    static constexpr std::size_t FrameSize = 20;
    static constexpr int Tables = 10;

    TableServer(Storage& storage, std::string host, int firstPort);
    ~TableServer();
    TableServer(const TableServer&) = delete;
    TableServer& operator=(const TableServer&) = delete;

    // Binds the ten ports; false when one cannot be bound.
    bool Bind();
    // Serves until Stop.
    void Run();
    void Stop();

    // A frame as the server sends it: `payload` padded with "#", ended by "0".
    static std::string ServerFrame(std::string_view payload);

  private:
    struct Connection {
        int table = 0;
        int seat = 0; // 0 until "connect"
        std::string address;
        std::string in, out;
        long long acceptedAt = 0;
    };
    struct Table {
        int seats[3] = {-1, -1, -1}; // the connection of seat 1 and 2
        bool running = false;
    };

    void Accept(int listener, int table);
    void Read(int fd);
    void Write(int fd);
    void Frame(int fd, std::string_view frame);
    void Send(int fd, std::string_view bytes);
    void Deal(Table& table);
    void Close(int fd, bool leaving);
    void BookResult(int table, std::string_view frame);

    Storage& storage_;
    std::string host_;
    int firstPort_;
    int listeners_[Tables];
    int wake_[2] = {-1, -1};
    std::atomic<bool> stopping_{false};
    std::map<int, Connection> connections_;
    Table tables_[Tables + 1];
};

} // namespace tavlira::server
