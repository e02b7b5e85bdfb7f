#pragma once
// The tournament dialog "WORLD ONLINE TOURNAMENT": the server's state and
// welcome text, the player's results ("My results"), the ten tables with
// their two seat buttons, "Refresh", "Top 10" and "Close". The tables and
// results are read again every 10 seconds, the table connection is checked
// every second. The dialog does not close while the player sits at a table;
// the table game closes it at its first deal.

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace tavlira {

class BalloonHint;
class SkinnedButton;
class TournamentLobby;

class TournamentDialog : public QDialog {
    Q_OBJECT

  public:
    // `openTopTen` runs on "Top 10".
    TournamentDialog(QWidget* parent, TournamentLobby& lobby, std::function<void()> openTopTen);

    SkinnedButton* SeatButton(int table, int seat) const {
        return seatButtons[static_cast<std::size_t>((table - 1) * 2 + seat - 1)];
    }
    QLabel* TableLabel(int table) const { return tableLabels[static_cast<std::size_t>(table - 1)]; }
    QLabel* StatusPicture() const { return statusPicture; }
    QLabel* Welcome() const { return welcome; }
    // The six values of "My results": nick, score, place, rating, games, city.
    QString Result(int row) const;
    QLineEdit* AddressBox() const { return addressBox; }
    SkinnedButton* RefreshButton() const { return refreshButton; }
    SkinnedButton* TopTenButton() const { return topTenButton; }
    SkinnedButton* CloseButton() const { return closeButton; }
    // The status balloon while the pointer is over the status picture.
    BalloonHint* StatusBalloon() const { return balloon; }

    void SetNoticesShown(bool shown) { noticesShown = shown; }
    QString LastNotice() const { return lastNotice; }

    // Closing is refused while the player sits at a table.
    void reject() override;
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowTables();
    void ShowOwn();
    void ShowNotice(const QString& text);
    void Finish(int result);
    bool MayClose() const;

    TournamentLobby& lobby;
    std::function<void()> openTopTen;
    QLabel* statusPicture;
    QLabel* welcome;
    std::array<QLabel*, 6> results{};
    std::array<QLabel*, 10> tableLabels{};
    std::array<SkinnedButton*, 20> seatButtons{};
    QLineEdit* addressBox;
    SkinnedButton* refreshButton;
    SkinnedButton* topTenButton;
    SkinnedButton* closeButton;
    BalloonHint* balloon;
    QTimer refresh;
    QTimer connectionCheck;
    bool noticesShown = true;
    QString lastNotice;
};

// The welcome text is drawn smaller beyond this many characters.
inline constexpr int WelcomeLongText = 39;

} // namespace tavlira
