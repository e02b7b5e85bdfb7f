#pragma once
// The form that sends the score of a completed cycle of 20 games to the
// world top ten under the passport's nick, city, country and sex. "Send"
// posts it once; the place reached is shown and the button is disabled. A
// failed post leaves the button enabled so that it can be sent again.

#include "records/Settings.h"

#include <QDialog>
#include <optional>

class QLabel;

namespace tavlira {

class SkinnedButton;
class WebServices;

class ResultDialog : public QDialog {
    Q_OBJECT

  public:
    ResultDialog(QWidget* parent, WebServices& services, const Settings& settings, int score);

    SkinnedButton* SendButton() const { return send; }
    // The place reached, once sent.
    const std::optional<std::int64_t>& Place() const { return place; }
    bool Failed() const { return failed; }
    QString PlaceText() const;
    void SetNoticesShown(bool shown) { noticesShown = shown; }

  private:
    void Send();

    WebServices& services;
    const Settings& settings;
    int score;
    QLabel* placeLine;
    SkinnedButton* send;
    std::optional<std::int64_t> place;
    bool failed = false;
    bool noticesShown = true;
};

} // namespace tavlira
