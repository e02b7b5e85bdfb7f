#pragma once
// The chat panel at the table of a duel or a tournament table game: the four lines, each in its
// sender's colour (host or table seat 1 maroon, client or seat 2 navy), the
// one-line box (15 characters in a duel, 18 at a table), and its send button; Enter in the box
// sends as well. While a client waits for its first deal the panel says so, and the box and button
// stay disabled.

#include "duel/DuelEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstddef>
#include <string>

namespace tavlira {

class TableView;

// Where the panel's lines come from and where its lines go: a duel or a
// tournament table game.
class ChatChannel : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    virtual const ChatLines& Chat() const = 0;
    // Sends a line of code page 1251 and shows it.
    virtual void SendChat(const std::string& text) = 0;
    // The most bytes one line may hold.
    virtual std::size_t ChatMax() const = 0;

  signals:
    // The chat lines changed.
    void ChatChanged();
    // The connection ended; chat is over until the next match.
    void Closed();
};

class ChatPanel : public QWidget {
    Q_OBJECT

  public:
    ChatPanel(ChatChannel& channel, TableView& table);

    // The panel serves `channel` from now on: its lines, its length, its end.
    void SetChannel(ChatChannel& channel);
    ChatChannel& Channel() const { return *channel_; }

    void ShowAwaitingDeal(bool waiting);

  signals:
    // The keys typed on the send button read the reveal number.
    void RevealToggled();

  public:
    QLabel* LineLabel(std::size_t index) const { return lines_[index]; }
    QLineEdit* Box() const { return box_; }
    QPushButton* SendButton() const { return send_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Send();
    void ShowLines();
    void Place();

    ChatChannel* channel_ = nullptr;
    TableView& table_;
    RevealKeys revealKeys_;
    QWidget* memo_;
    std::array<QLabel*, ChatLines::Lines> lines_{};
    QLabel* waiting_;
    QLineEdit* box_;
    QPushButton* send_;
};

} // namespace tavlira
