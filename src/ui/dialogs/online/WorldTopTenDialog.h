#pragma once
// The world top ten "World Top Ten": seven boards, each chosen with its
// button, drawn as up to ten rows (place, nick, city, country, sex and the
// board's value). Boards 2 to 4 add the board's count and the rows around
// the player's own place. The board shown is read again every 10 seconds; a
// board that cannot be read says "No Connect" and the rest works on.
//
//   1 account players by rating      5 the online tournament by score
//   2 account players' cycle scores  6 the local club (this computer)
//   3 this game's cycle scores       7 the local network club
//   4 the other platform's scores

#include "online/World.h"
#include "records/RecordStore.h"
#include "records/Settings.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <optional>
#include <vector>

class QLabel;

namespace tavlira {

class OnlineAccount;
class SkinnedButton;

class WorldTopTenDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int Boards = 7;

    WorldTopTenDialog(QWidget* parent, OnlineAccount& account, RecordStore& records,
                      Settings& settings, int board);

    int Board() const { return board; }
    void ShowBoard(int number);
    SkinnedButton* BoardButton(int number) const {
        return buttons[static_cast<std::size_t>(number - 1)];
    }
    QString Title() const;
    QString RowsText() const;
    QString OwnText() const;

  private:
    void Read();
    void ShowRows(const std::optional<std::vector<QStringList>>& rows);
    void ReadCountAndOwn(int gid, const std::string& nick, const std::string& city);
    void ShowOwn();

    OnlineAccount& account;
    RecordStore& records;
    Settings& settings;
    int board;
    // Answers of an earlier board that arrive late are not shown.
    int generation = 0;
    std::array<SkinnedButton*, Boards> buttons{};
    QLabel* title;
    QLabel* rows;
    QLabel* own;
    QString countLine;
    QString ownLines;
    QTimer refresh;
};

// The game id of the record boards 2..4.
int BoardGameId(int board);

// Board rows as the boards draw them (place, nick, city, country, sex and
// the value); rows whose nick is "#" are empty places and not drawn.
QString RecordRowsText(const std::vector<online::RecordRow>& rows);

} // namespace tavlira
