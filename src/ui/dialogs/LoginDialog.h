#pragma once
// The player login dialog "Welcome!" that opens every match, and that asks
// for the new name and password when a member renames: a name box, a
// password box shown as '#', and for a new player a second password box.
// "Ok" hands the typed texts to a check; the dialog closes only when the
// check accepts them, and otherwise shows the refusal and puts the focus back.

#include "match/Login.h"

#include <QDialog>
#include <QLineEdit>
#include <functional>
#include <string>

namespace tavlira {

class SkinnedButton;

class LoginDialog : public QDialog {
    Q_OBJECT

  public:
    // Name and passwords in code page 1251 bytes.
    using Check = std::function<LoginError(const std::string& name, const std::string& password,
                                           const std::string& passwordAgain)>;

    // `memberName` (UTF-8) fills a member's name, which cannot be changed;
    // empty for a new player, who gets `offeredName` and the second box.
    // `nameLength` is 20, or 9 in network mode. The "?" button and F1 run
    // `openHelp`.
    LoginDialog(QWidget* parent, const QString& memberName, const QString& offeredName,
                int nameLength, Check check, std::function<void()> openHelp);

    QLineEdit* NameBox() const { return name; }
    QLineEdit* PasswordBox() const { return password; }
    QLineEdit* PasswordAgainBox() const { return passwordAgain; }
    SkinnedButton* OkButton() const { return ok; }

  private:
    void TryOk();

    QLineEdit* name;
    QLineEdit* password;
    QLineEdit* passwordAgain = nullptr;
    SkinnedButton* ok;
    Check check;
};

} // namespace tavlira
