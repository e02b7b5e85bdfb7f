#pragma once
// The chat panel at the table of a duel: the four lines, each in its
// sender's colour (host maroon, client navy), the one-line box of at most 15
// characters, and its send button; Enter in the box sends as well. While a
// client waits for its first deal the panel says so, and the box and button
// stay disabled.

#include "duel/DuelEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace tavlira {

class DuelTable;
class TableView;

class ChatPanel : public QWidget {
    Q_OBJECT

  public:
    ChatPanel(DuelTable& duel, TableView& table);

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

    DuelTable& duel_;
    TableView& table_;
    RevealKeys revealKeys_;
    QWidget* memo_;
    std::array<QLabel*, ChatLines::Lines> lines_{};
    QLabel* waiting_;
    QLineEdit* box_;
    QPushButton* send_;
};

} // namespace tavlira
