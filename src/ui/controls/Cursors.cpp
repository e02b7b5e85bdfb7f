#include "ui/controls/Cursors.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace tavlira {
namespace {

constexpr int FrameSize = 32;
constexpr int FrameMs = 120;
// Which cursor a widget was given, so the animation knows what to show.
constexpr char KindProperty[] = "tavliraCursorKind";

struct OwnCursor {
    const char* picture; // a strip of 32 x 32 frames
    QPoint hotSpot;
    Qt::CursorShape system;
};
constexpr OwnCursor OwnCursors[] = {
    {":/RCDATA/CURARROW", {1, 1}, Qt::ArrowCursor},
    {":/RCDATA/CURHAND", {12, 1}, Qt::PointingHandCursor},
    {":/RCDATA/CURWAIT", {16, 16}, Qt::WaitCursor},
    {":/RCDATA/CUREDIT", {16, 16}, Qt::IBeamCursor},
};

CursorKind KindOf(const QWidget& widget) {
    if (qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget) ||
        qobject_cast<const QPlainTextEdit*>(&widget))
        return CursorKind::Edit;
    if (qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
        qobject_cast<const QAbstractSpinBox*>(&widget))
        return CursorKind::Hand;
    return CursorKind::Arrow;
}

} // namespace

Cursors& Cursors::Instance() {
    static Cursors* cursors = new Cursors; // lives as long as the program
    return *cursors;
}

Cursors::Cursors() {
    timer.setInterval(FrameMs);
    connect(&timer, &QTimer::timeout, this, &Cursors::Tick);
}

// The pictures are read at the first use, once the program's resources are
// in place.
void Cursors::LoadFrames() const {
    if (loaded)
        return;
    loaded = true;
    for (std::size_t kind = 0; kind < frames.size(); ++kind) {
        const QImage strip(QString::fromLatin1(OwnCursors[kind].picture));
        for (int x = 0; x + FrameSize <= strip.width(); x += FrameSize)
            frames[kind].push_back(
                QCursor(QPixmap::fromImage(strip.copy(x, 0, FrameSize, FrameSize)),
                        OwnCursors[kind].hotSpot.x(), OwnCursors[kind].hotSpot.y()));
    }
}

void Cursors::SetOwn(bool useOwn) {
    own = useOwn;
    if (own)
        timer.start();
    else
        timer.stop();
    for (QWidget* window : QApplication::topLevelWidgets())
        Dress(*window);
    if (waits > 0)
        QApplication::changeOverrideCursor(Cursor(CursorKind::Wait));
}

int Cursors::FrameCount(CursorKind kind) const {
    LoadFrames();
    return static_cast<int>(frames[static_cast<std::size_t>(kind)].size());
}

QCursor Cursors::Cursor(CursorKind kind) const {
    LoadFrames();
    const auto k = static_cast<std::size_t>(kind);
    if (!own || frames[k].isEmpty())
        return QCursor(OwnCursors[k].system);
    return frames[k][frame[k] % frames[k].size()];
}

void Cursors::Give(QWidget& widget, CursorKind kind) const {
    widget.setProperty(KindProperty, static_cast<int>(kind));
    widget.setCursor(Cursor(kind));
}

CursorKind Cursors::KindShown(const QWidget& widget) {
    const QVariant kind = widget.property(KindProperty);
    return kind.isValid() ? static_cast<CursorKind>(kind.toInt()) : CursorKind::Arrow;
}

void Cursors::Dress(QWidget& root) {
    Give(root, CursorKind::Arrow);
    for (QWidget* child : root.findChildren<QWidget*>()) {
        const CursorKind kind = KindOf(*child);
        if (kind != CursorKind::Arrow)
            Give(*child, kind);
    }
}

void Cursors::BeginWait() {
    if (waits++ == 0)
        QApplication::setOverrideCursor(Cursor(CursorKind::Wait));
}

void Cursors::EndWait() {
    if (waits == 0)
        return;
    if (--waits == 0)
        QApplication::restoreOverrideCursor();
}

// Only the cursor that shows moves on: the wait cursor while the game is
// busy, else the one of the widget under the mouse.
void Cursors::Tick() {
    const auto advance = [this](CursorKind kind) {
        const auto k = static_cast<std::size_t>(kind);
        frame[k] = frames[k].isEmpty() ? 0 : (frame[k] + 1) % frames[k].size();
        return frames[k].size() > 1;
    };
    if (waits > 0) {
        if (advance(CursorKind::Wait))
            QApplication::changeOverrideCursor(Cursor(CursorKind::Wait));
        return;
    }
    QWidget* under = QApplication::widgetAt(QCursor::pos());
    if (!under)
        return;
    const QVariant kind = under->property(KindProperty);
    if (!kind.isValid())
        return;
    const auto shown = static_cast<CursorKind>(kind.toInt());
    if (advance(shown))
        under->setCursor(Cursor(shown));
}

} // namespace tavlira
