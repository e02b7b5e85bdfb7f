#pragma once
// The mouse cursors of the game's windows: the system's own, or the
// program's red set. Every window gives its surfaces the arrow, its
// clickable controls the hand and its text boxes the edit cursor; the wait
// cursor covers everything while the game is busy. The program's hand, wait
// and edit cursors are animated: the one under the mouse moves on to its
// next frame every tick.

#include <QCursor>
#include <QObject>
#include <QTimer>
#include <QVector>
#include <array>

class QWidget;

namespace tavlira {

enum class CursorKind { Arrow = 0, Hand = 1, Wait = 2, Edit = 3 };

class Cursors : public QObject {
    Q_OBJECT

  public:
    // The one set of the program.
    static Cursors& Instance();

    // The program's own set (true) or the system's.
    void SetOwn(bool own);
    bool Own() const { return own; }

    // The cursor of `kind` as it shows now.
    QCursor Cursor(CursorKind kind) const;
    // How many frames the program's cursor of `kind` has.
    int FrameCount(CursorKind kind) const;

    // Gives `root` the arrow and each clickable control inside it the hand,
    // each text box the edit cursor. Controls added later get theirs when
    // `Dress` runs again.
    void Dress(QWidget& root);
    // Gives one widget the cursor of `kind`, for widgets that change their
    // cursor with what lies under the mouse.
    void Give(QWidget& widget, CursorKind kind) const;
    // The kind `widget` was given last; the arrow when none.
    static CursorKind KindShown(const QWidget& widget);
    // The wait cursor over every window until `EndWait`.
    void BeginWait();
    void EndWait();

  private:
    Cursors();
    void Tick();
    void LoadFrames() const;

    bool own = true;
    mutable bool loaded = false;
    mutable std::array<QVector<QCursor>, 4> frames;
    std::array<int, 4> frame{};
    int waits = 0;
    QTimer timer;
};

} // namespace tavlira
