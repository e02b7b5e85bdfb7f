#pragma once
// The notice "Attention": up to three lines in a large bold face, the third
// a link that opens in the browser, and "Ok" across the whole width. An empty
// text hides its line.

#include <QDialog>
#include <QLabel>
#include <QString>
#include <array>

namespace tavlira {

class SkinnedButton;

// The lines start this far from the dialog's left edge.
inline constexpr int NoticeLeftMargin = 20;

// The width of the notice for the widest of its texts: a text that with the
// margin reaches 350 pixels gets 50 more, anything narrower the width 400.
int NoticeWidth(int widestText);

class NoticeDialog : public QDialog {
    Q_OBJECT

  public:
    NoticeDialog(QWidget* parent, const QString& line1, const QString& line2, const QString& link);

    QLabel* Heading() const { return heading; }
    // Line 0, 1 or 2 (the link), hidden when its text is empty.
    QLabel* Line(int index) const { return lines.at(static_cast<std::size_t>(index)); }
    SkinnedButton* OkButton() const { return ok; }

  private:
    QLabel* heading;
    std::array<QLabel*, 3> lines{};
    SkinnedButton* ok;
};

} // namespace tavlira
