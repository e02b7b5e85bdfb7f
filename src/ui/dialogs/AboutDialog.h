#pragma once
// The about box: the game's caption picture, its logo, title, version,
// release and makers, what it is built on, its licence, the way to the help,
// and "Ok".

#include <QDialog>
#include <QLabel>
#include <functional>

namespace tavlira {

class SkinnedButton;

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    // The "?" button and F1 run `openHelp`.
    AboutDialog(QWidget* parent, std::function<void()> openHelp);

    // The caption picture in the interface language, or the game title
    // written out when the picture is missing.
    QLabel* Heading() const { return heading; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    QLabel* heading;
    SkinnedButton* ok;
};

} // namespace tavlira
