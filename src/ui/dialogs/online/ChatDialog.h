#pragma once
// The club chat "Qel Games Chat", shared by the family's games: the ten
// newest messages of the chat board, each with its number, country, sex,
// nick, city, text and time stamp, the ones not seen before marked as new;
// a box for a message of at most 80 characters sent under the passport's
// nick; and the two choices kept in the chat marker file. The board is read
// again every 15 seconds, which also opens the box again after a message.

#include "online/World.h"
#include "records/OnlineFiles.h"
#include "records/Settings.h"

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tavlira {

class SkinnedButton;
class WebServices;

class ChatDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int MessageLength = 80;

    // `askPassport` opens the passport dialog; `windowTitle` goes into each
    // message's time stamp.
    ChatDialog(QWidget* parent, WebServices& services, Settings& settings,
               std::filesystem::path familyFolder, QString windowTitle,
               std::function<void()> askPassport);

    QLineEdit* MessageBox() const { return message; }
    SkinnedButton* SendButton() const { return send; }
    QCheckBox* NewestAtBottom() const { return atBottom; }
    QCheckBox* OpenOnNew() const { return openOnNew; }
    QString BoardText() const;
    void SetNoticesShown(bool shown) { noticesShown = shown; }
    // Reads the board now, as the timer does.
    void Refresh();
    void Send();

  private:
    void Show(const std::optional<std::vector<online::RecordRow>>& rows);
    void SaveMarker();
    bool PassportValid() const;

    WebServices& services;
    Settings& settings;
    std::filesystem::path familyFolder;
    QString windowTitle;
    std::function<void()> askPassport;
    ChatMarker marker;
    QLabel* board;
    QLineEdit* message;
    SkinnedButton* send;
    QCheckBox* atBottom;
    QCheckBox* openOnNew;
    QTimer timer;
    bool noticesShown = true;
};

// The time stamp of a message: the time, "_", the date, "_" and the window
// title, with every character the board cannot carry made "_".
std::string ChatTimeStamp(const QDateTime& now, const QString& windowTitle);

} // namespace tavlira
