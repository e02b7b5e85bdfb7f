#pragma once
// The controls of the main menu screen: the club heading, the five member
// buttons filled from the current record file, "New Player" and "Exit".

#include "records/RecordFile.h"
#include "records/Settings.h"
#include "ui/table/TableScale.h"

#include <QWidget>
#include <array>
#include <optional>

namespace tavlira {

class TQelCardsButton;

class MainMenu {
  public:
    // Button numbers of the window: members 1..5, "New Player" and "Exit".
    static constexpr int NewPlayerButton = 6;
    static constexpr int ExitButton = 11;

    // The controls are children of `window`, hidden until shown.
    explicit MainMenu(QWidget* window);

    // Lays the controls out for the window size and fills the member rows;
    // without a readable record file every row is empty and disabled.
    void Show(const TableScale& scale, const Settings& settings,
              const std::optional<RecordFile>& records);
    void Hide();

    // Member button 1..5, 6 "New Player" or 11 "Exit"; null for any other.
    TQelCardsButton* Button(int number) const;

  private:
    void FillClubList(const TableScale& scale, const Settings& settings,
                      const std::optional<RecordFile>& records);

    TQelCardsButton* heading;
    std::array<TQelCardsButton*, ExitButton + 1> buttons{};
};

} // namespace tavlira
