#pragma once
// Opens the tournament's dialogs over the main window, each readied by the
// window's presenter: the lobby's dialog for a logged-in account, and the
// tournament top ten. It owns the lobby, which lives as long as the window
// so that the table game can clear the seat and close the dialog at its
// deal.

#include "ui/dialogs/tournament/TournamentLobby.h"

#include <functional>

class QWidget;

namespace tavlira {

class DialogPresenter;
class OnlineDialogs;
class TournamentDialog;

class TournamentDialogs {
  public:
    // `artworkPresent` tells whether "Top 10" may show the world top ten
    // (board 5) or, without the artwork library, the tournament's own.
    TournamentDialogs(QWidget* window, DialogPresenter& presenter, OnlineAccount& account,
                      OnlineDialogs& onlineDialogs, TournamentSeatHost& host,
                      std::function<bool()> artworkPresent);

    // The tournament picture of the menu, and the way back after a table
    // game. A player who is not logged in is asked to log in.
    void Open();
    void TopTen();
    TournamentLobby& Lobby() { return lobby; }
    // The dialog while it is open.
    TournamentDialog* Dialog() const { return dialog; }

  private:
    QWidget* window;
    DialogPresenter& presenter;
    OnlineAccount& account;
    OnlineDialogs& onlineDialogs;
    std::function<bool()> artworkPresent;
    TournamentLobby lobby;
    TournamentDialog* dialog = nullptr;
};

} // namespace tavlira
