#pragma once
// Pieces the online dialogs share: the lamp beside a box, the boxes that
// refuse characters the club does not accept, the busy look of a dialog
// while its requests are under way, and the conversions of texts between the
// screen and the wire.

#include "ui/dialogs/online/AccountRules.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QUrl>
#include <QValidator>
#include <string>
#include <string_view>

namespace tavlira {

class ServiceClient;
class WebServices;
class SkinnedButton;

// Code page 1251 bytes of a box's text; characters the code page lacks
// become '?', which no rule of the club accepts.
std::string WireText(const QString& text);
QString ScreenOf(std::string_view cp1251);

// Refuses every typed character that MayType refuses for `field`; a
// passport box (`russianEverywhere`) takes Russian letters in any field.
class AccountFieldValidator : public QValidator {
    Q_OBJECT

  public:
    AccountFieldValidator(AccountField field, bool russianEverywhere, QObject* parent);
    State validate(QString& input, int& position) const override;

  private:
    AccountField field;
    bool russianEverywhere;
};

QLineEdit* AccountBox(AccountField field, int maxLength, QWidget* parent,
                      bool russianEverywhere = false);

// A round lamp, red, yellow or green.
class LampView : public QLabel {
    Q_OBJECT

  public:
    explicit LampView(QWidget* parent);
    void Show(Lamp lamp);
    Lamp Shown() const { return lamp; }

  private:
    Lamp lamp = Lamp::Red;
};

// The dialog shows the busy cursor while `client` has requests under way.
void ShowBusyWhile(QWidget& dialog, ServiceClient& client);

// Where the photo of `nick` (code page 1251) is kept.
QUrl PhotoAddress(WebServices& services, std::string_view nick);

// A skinned dialog button with a word-table caption.
SkinnedButton* DialogButton(std::string_view caption, QWidget* parent);

} // namespace tavlira

class QComboBox;

namespace tavlira {

struct Region;

// The continent and country lists of a dialog; a change of continent
// returns the country to "Unknown".
class RegionBoxes : public QObject {
    Q_OBJECT

  public:
    explicit RegionBoxes(QWidget* parent);
    QComboBox* Continent() const { return continent; }
    QComboBox* Country() const { return country; }
    void Set(const Region& region);
    Region Current() const;

  signals:
    void Changed();

  private:
    void FillCountries(int continentNumber);

    QComboBox* continent;
    QComboBox* country;
};

// The sex list, "Man" and "Woman"; 'M' or 'W'.
QComboBox* SexBox(char sex, QWidget* parent);
char SexOf(const QComboBox& box);

} // namespace tavlira
