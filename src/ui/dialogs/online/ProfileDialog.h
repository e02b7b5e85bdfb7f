#pragma once
// The profile of the logged-in account: fourteen boxes other club members
// may see, saved with "Update info", and the photo, chosen from a JPEG file
// and uploaded to the club's picture store with "Refresh photo".

#include "online/Account.h"

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;

namespace tavlira {

class OnlineAccount;
class SkinnedButton;

class ProfileDialog : public QDialog {
    Q_OBJECT

  public:
    ProfileDialog(QWidget* parent, OnlineAccount& account);

    static constexpr std::size_t Boxes = 14;
    QLineEdit* Box(std::size_t index) const { return boxes[index]; }
    SkinnedButton* SaveButton() const { return save; }
    // The profile the boxes hold now.
    online::Profile Typed() const;
    // Uploads the JPEG file at `path`; false when it is no JPEG picture.
    bool UploadPhoto(const QString& path);
    const QString& Status() const { return status; }

  private:
    void Save();
    void ChoosePhoto();
    void Say(const QString& text);

    OnlineAccount& account;
    std::array<QLineEdit*, Boxes> boxes{};
    QLabel* statusLine;
    SkinnedButton* save;
    QString status;
};

} // namespace tavlira
