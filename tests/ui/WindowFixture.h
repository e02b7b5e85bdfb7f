#pragma once
// A temporary program folder with fresh record files, a main window started
// in it, and helpers that wait for the event queue and answer modal boxes.

#include "app/MainWindow.h"
#include "records/Settings.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace tavlira::test {

class ProgramFolder {
  public:
    ProgramFolder();
    ~ProgramFolder();
    const std::filesystem::path& Path() const { return path; }
    // Writes the settings file.
    void WriteSettings(const Settings& settings) const;
    // Gives member slot 1 of the club file a name and a password.
    void AddMember(const std::string& name, const std::string& password) const;
    std::string ReadFile(const std::string& name) const;

  private:
    std::filesystem::path path;
};

// Processes events until the window's queue has played everything.
void WaitIdle(MainWindow& form);

// How long a test waits for a dialog it means to answer.
inline constexpr int DialogWaitMs = 10000;

// Runs `answer` on the next modal dialog that opens, from inside its event
// loop.
void AnswerNextModal(std::function<void(QWidget* dialog)> answer);

// Clicks the centre of a window rectangle.
void ClickAt(QWidget& widget, QRect where, Qt::MouseButton button = Qt::LeftButton);

// Leaves the title screen and logs in a new player with a name and password.
void EnterAsNewPlayer(MainWindow& form, const QString& name, const QString& password);

// Plays the dealt game to its end: "To Begin", then the person's moves, by
// clicks, as the computer would choose them, while the computer plays its own.
void PlayGameByClicks(MainWindow& form);

// A window in a fresh folder, started and shown, with the given settings.
struct StartedWindow {
    ProgramFolder folder;
    std::unique_ptr<MainWindow> form;
};
std::unique_ptr<StartedWindow> StartWindow(const Settings& settings, std::uint32_t seed = 7);

} // namespace tavlira::test
