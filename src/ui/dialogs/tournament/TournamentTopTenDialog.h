#pragma once
// The tournament's top ten "ONLINE TOP TEN": the ten best by score, rating
// or games, and the player's own place by the same measure, with the medal
// for a place among the ten. Read again every 10 seconds; a list that cannot
// be read says "No Connect".

#include "online/Tournament.h"

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QLabel;

namespace tavlira {

class WebServices;

class TournamentTopTenDialog : public QDialog {
    Q_OBJECT

  public:
    // `nick` is the player's (code page 1251); its results are read with
    // each list, and the place they reach. An empty nick shows no place.
    TournamentTopTenDialog(QWidget* parent, WebServices& services, std::string nick);

    void ShowRanking(online::Ranking ranking);
    online::Ranking Ranking() const { return ranking; }
    QComboBox* Choice() const { return choice; }
    QString RowsText() const;
    QString PlaceText() const;
    // The medal shown for the own place among the ten; nothing otherwise.
    std::optional<int> MedalPlace() const { return medalPlace; }
    QLabel* Medal() const { return medal; }

  private:
    void Read();
    void ReadPlace(int asked, const online::TourRating& own);
    void ShowPlace(std::int64_t place);

    WebServices& services;
    std::string nick;
    online::Ranking ranking = online::Ranking::Score;
    // Answers for an earlier choice that arrive late are not shown.
    int generation = 0;
    QComboBox* choice;
    QLabel* rows;
    QLabel* placeLine;
    QLabel* medal;
    std::optional<int> medalPlace;
    QTimer refresh;
};

// The medal "GMedal" with the place picture "GPlace01".."GPlace10" on its
// disc; null for another place.
QImage PlaceMedal(int place);

} // namespace tavlira
