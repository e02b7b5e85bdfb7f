#pragma once
// Opens the dialogs of the online services over the main window, each
// readied by the window's presenter (its design header, nothing left
// behind it), and remembers between openings which board of the world top
// ten was shown last.

#include "records/RecordStore.h"
#include "records/Settings.h"

#include <QString>

class QWidget;

namespace tavlira {

class DialogPresenter;
class OnlineAccount;

class OnlineDialogs {
  public:
    OnlineDialogs(QWidget* window, DialogPresenter& presenter, OnlineAccount& account,
                  Settings& settings, RecordStore& records);

    void Account();
    // True when the passport's nick and city are valid afterwards.
    bool Passport();
    // Board 0 opens the board among 2 to 4 shown last (3 at first). While
    // the service directory pauses the world top ten, a notice says so.
    void WorldTopTen(int board = 0);
    void WorldStats();
    // `windowTitle` goes into the time stamp of each message sent.
    void Chat(const QString& windowTitle);
    bool ChatOpen() const { return chatOpen; }
    // The world top-ten entry form for the score of a finished cycle.
    void Result(int score);

  private:
    QWidget* window;
    DialogPresenter& presenter;
    OnlineAccount& account;
    Settings& settings;
    RecordStore& records;
    int lastRecordBoard = 3;
    bool chatOpen = false;
};

} // namespace tavlira
