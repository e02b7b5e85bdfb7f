#pragma once
// The plain dialogs the menu's icons open: a heading, a picture beside a
// text, and "Ok". The advertising dialog presents the game under "Our games";
// the support dialog asks for support, and says nothing of where to pay.

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <memory>

namespace tavlira {

class SkinnedButton;

class IconTextDialog : public QDialog {
    Q_OBJECT

  public:
    // A null `picture` leaves its place empty.
    IconTextDialog(QWidget* parent, const QString& caption, const QString& heading,
                   const QImage& picture, const QString& text);

    QLabel* Heading() const { return heading; }
    QLabel* Body() const { return body; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    QLabel* heading;
    QLabel* body;
    SkinnedButton* ok;
};

std::unique_ptr<IconTextDialog> AdvertisingDialog(QWidget* parent);
std::unique_ptr<IconTextDialog> SupportDialog(QWidget* parent);

} // namespace tavlira
