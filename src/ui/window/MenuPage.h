#pragma once
// The main menu page: the background with the game's title, the club
// heading, the five member buttons filled from the current record file,
// "New Player", "History" and "Exit".

#include "records/RecordFile.h"
#include "records/Settings.h"
#include "ui/table/TableScale.h"

#include <QWidget>
#include <array>
#include <optional>

namespace tavlira {

class SkinnedButton;

class MenuPage : public QWidget {
    Q_OBJECT

  public:
    // Button numbers: members 1..5, "New Player", "Exit" and "History".
    static constexpr int NewPlayerButton = 6;
    static constexpr int ExitButton = 11;
    static constexpr int HistoryButton = 12;

    // `background` is the window's background picture, `settings` its
    // settings; both belong to the window.
    MenuPage(const QImage& background, const Settings& settings, QWidget* parent = nullptr);

    // Lays the controls out for the window size and fills the member rows;
    // without a readable record file every row is empty and disabled.
    void Fill(const TableScale& scale, const std::optional<RecordFile>& records);

    // Member button 1..5, 6 "New Player", 11 "Exit" or 12 "History"; null
    // for any other.
    SkinnedButton* Button(int number) const;

  signals:
    // A member button (1..5) or "New Player" (6).
    void PlayerChosen(int slot);
    void ExitChosen();
    void HistoryChosen();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void FillClubList(const std::optional<RecordFile>& records);

    const QImage& background;
    const Settings& settings;
    TableScale scale;
    SkinnedButton* heading;
    std::array<SkinnedButton*, HistoryButton + 1> buttons{};
};

} // namespace tavlira
