#pragma once
// The player login dialog "Welcome!" that opens every match, and that asks
// for the new name and password when a member renames: a name box, a
// password box shown as '#', and for a new player a second password box.
// "Ok" hands the typed texts to a check; the dialog closes only when the
// check accepts them, and otherwise shows the refusal and puts the focus back.

#include "match/Login.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdint>
#include <functional>
#include <optional>
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

    // The connection part of a duel's login, in network mode: the server /
    // client switch, the address and port boxes, and this machine's
    // addresses. Once the player's check accepts, "Ok" checks the address
    // (client only) and the port, then runs `connect`, which opens the
    // connection and waits for the peer; once it joined, `start` logs the
    // player in with the same texts and the dialog closes.
    struct DuelControls {
        QString lastAddress;
        QString lastPort;
        // The addresses of this machine's network interfaces.
        std::function<QStringList()> localAddresses;
        // Asks for this machine's address on the internet: `shown` runs with
        // it while `receiver` exists, and not at all when it cannot be read.
        std::function<void(QObject* receiver, std::function<void(const QString&)> shown)>
            publicAddress;
        // `name` in code page 1251; `address` is empty for a host.
        std::function<bool(bool host, const std::string& name, const QString& address,
                           std::uint16_t port)>
            connect;
        Check start;
    };
    void AddDuelControls(DuelControls controls);

    QLineEdit* NameBox() const { return name; }
    QLineEdit* PasswordBox() const { return password; }
    QLineEdit* PasswordAgainBox() const { return passwordAgain; }
    SkinnedButton* OkButton() const { return ok; }

    QRadioButton* HostChoice() const { return hostChoice; }
    QRadioButton* ClientChoice() const { return clientChoice; }
    QLineEdit* AddressBox() const { return address; }
    QLineEdit* PortBox() const { return port; }
    QPushButton* AddressesButton() const { return addressesButton; }
    const QList<QLineEdit*>& AddressBoxes() const { return addressBoxes; }

  private:
    void TryOk();
    bool ConnectDuel(const std::string& playerName);
    LoginError Checked(const Check& which) const;
    void ChooseRole(bool host);
    void ShowAddresses();

    QLineEdit* name;
    QLineEdit* password;
    QLineEdit* passwordAgain = nullptr;
    SkinnedButton* ok;
    Check check;

    // The duel's connection part, when added.
    QVBoxLayout* layout;
    std::optional<DuelControls> duel;
    QRadioButton* hostChoice = nullptr;
    QRadioButton* clientChoice = nullptr;
    QLabel* addressLabel = nullptr;
    QLineEdit* address = nullptr;
    QLineEdit* port = nullptr;
    QPushButton* addressesButton = nullptr;
    QList<QLineEdit*> addressBoxes;
};

} // namespace tavlira
