#pragma once
// The small modal dialog shown while the two sides of a duel find each
// other. A host waits for a client ("Expectation of connection of other
// players...") and, once one joined, its person presses "Ok" to start the
// match; a client waits for its host ("Expectation of game...") and closes
// by itself once joined. "Cancel" gives up.
//
// Once a second, a side that found no game (a client from the start, and
// again after a failed connection) reads "There are no accessible games".

#include <QDialog>
#include <QTimer>

class QLabel;

namespace tavlira {

class SkinnedButton;

class WaitDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Side { Host, Client };
    WaitDialog(QWidget* parent, Side side);

    // The handshake is done.
    void PeerJoined();
    // A client's connection failed: the next tick says so.
    void NoGameFound() { noGameFound_ = true; }

    QLabel* Line() const { return line_; }
    SkinnedButton* OkButton() const { return ok_; }
    SkinnedButton* CancelButton() const { return cancel_; }

  private:
    Side side_;
    bool noGameFound_;
    QLabel* line_;
    SkinnedButton* ok_;
    SkinnedButton* cancel_;
    QTimer tick_;
};

} // namespace tavlira
