#pragma once
// The options dialog: the player's settings on nine pages, each change taking
// effect at once through the game's `OptionsHost`. There is no Cancel; "Ok"
// or Escape closes it, and the settings are written when the program ends.
// The dialog opens on the page that was shown when it last closed.

#include "records/Settings.h"
#include "ui/dialogs/options/OptionsHost.h"

#include <QButtonGroup>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QVBoxLayout;

namespace tavlira {

class BalloonHint;
class DialogHeaderStrip;
class PackDownload;
class SkinnedButton;
struct WordTable;

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Page { General, Cards, Decks, Game, Fonts, Background, SaveGames, Packs, Design };
    static constexpr int PageCount = 9;
    // A short name of each page: "general", "cards", ... "design".
    static const char* PageName(Page page);

    // `packServer` is the address the packs are fetched from.
    OptionsDialog(QWidget* parent, Settings& settings, OptionsHost& host, QString packServer = {});
    ~OptionsDialog() override;

    Page CurrentPage() const;
    void ShowPage(Page page);
    // The page the dialog opens on; it lasts as long as the program runs.
    static Page RememberedPage();
    static void RememberPage(Page page);

    // The controls, for the game's tests and screenshots.
    QComboBox* LanguageList() const { return languageList; }
    QComboBox* WindowSizeList() const { return windowSizeList; }
    QComboBox* DeckList() const { return deckList; }
    QComboBox* BackList() const { return backList; }
    QRadioButton* BackChangeChoice(int choice) const;
    QComboBox* BackgroundList() const { return backgroundList; }
    QComboBox* ColourList() const { return colourList; }
    QComboBox* FontRoleList() const { return fontRoleList; }
    QSpinBox* FontScaleBox() const { return fontScale; }
    QComboBox* MenuDesignList() const { return menuDesignList; }
    QComboBox* TableDesignList() const { return tableDesignList; }
    QComboBox* AuxDesignList() const { return auxDesignList; }
    // The download button of a pack (its file name), on the given page.
    SkinnedButton* DownloadButton(Page page, std::string_view fileName) const;
    // The deck preview as drawn now.
    QImage Preview() const;
    SkinnedButton* OkButton() const { return okButton; }

  signals:
    void DownloadFinished(bool ok);

  protected:
    void done(int result) override;

  private:
    // Building the pages.
    QWidget* GeneralPage();
    QWidget* CardsPage();
    QWidget* DecksPage();
    QWidget* GamePage();
    QWidget* FontsPage();
    QWidget* BackgroundPage();
    QWidget* SaveGamesPage();
    QWidget* PacksPage();
    QWidget* DesignPage();

    // Keeps a caption in the current language from now on.
    void Caption(std::function<void(const QString&)> set, const WordTable& text);
    QCheckBox* Switch(const WordTable& text, bool& setting, std::function<void()> changed);
    QGroupBox* Group(const WordTable& title);
    QComboBox* List(const std::vector<const WordTable*>& items);
    SkinnedButton* DownloadButtonFor(std::string_view fileName, Page page);

    void Relabel();
    void Redesign();
    void SetControls();
    void SetWindowSizes();
    void SetBackChange();
    void SetBackgroundLists();
    void SetGifControls();
    void SetDesignLists();
    void SetFontControls();
    void SetSpeedCaption();
    void SetFlag();
    void RefreshDownloadButtons();
    void StyleButtons();
    void AnimateIcon();

    void LanguageChosen(int item);
    void DeckChosen(int item);
    void BackChosen(int item);
    void BackgroundChosen();
    void MenuDesignChosen(int item);
    void TableDesignChosen(int item);
    void AuxDesignChosen(int item);
    void FontChosen();
    void Download(std::string_view fileName);
    void DownloadEnded(bool ok);
    void ReportDesignPackMissing();

    Settings& settings;
    OptionsHost& host;
    QString packServer;
    // Set while the controls are set from the settings, so that their
    // change signals do not act.
    bool setting = false;
    std::vector<std::function<void()>> captions;
    // Sets each on/off switch from its setting.
    std::vector<std::function<void()>> switchSyncs;

    QVBoxLayout* outer = nullptr;
    DialogHeaderStrip* header = nullptr;
    QWidget* redStrip = nullptr;
    QButtonGroup tabs;
    std::vector<QAbstractButton*> tabButtons;
    QStackedWidget* pages = nullptr;
    QLabel* flag = nullptr;
    QLabel* animation = nullptr;
    QTimer animationTimer;
    int animationFrame = 0;
    QProgressBar* progress = nullptr;
    SkinnedButton* okButton = nullptr;

    QComboBox* languageList = nullptr;
    QComboBox* windowSizeList = nullptr;
    std::vector<int> windowSizes; // the size of each item
    SkinnedButton* speedButton = nullptr;
    QComboBox* deckList = nullptr;
    QLabel* preview = nullptr;
    QComboBox* backList = nullptr;
    QButtonGroup backChange;
    QComboBox* fontRoleList = nullptr;
    QFontComboBox* fontFace = nullptr;
    QSpinBox* fontScale = nullptr;
    QComboBox* backgroundList = nullptr;
    QComboBox* colourList = nullptr;
    QCheckBox* saveGames = nullptr;
    QComboBox* captureList = nullptr;
    QSpinBox* frameDelay = nullptr;
    QButtonGroup radioSource;
    QComboBox* menuDesignList = nullptr;
    QComboBox* tableDesignList = nullptr;
    QComboBox* auxDesignList = nullptr;
    QCheckBox* saluteButtons = nullptr;
    QCheckBox* saluteCards = nullptr;

    struct DownloadButtonOf {
        Page page;
        std::string fileName;
        SkinnedButton* button;
    };
    std::vector<DownloadButtonOf> downloadButtons;
    QPointer<PackDownload> download;
    BalloonHint* balloon = nullptr;
};

} // namespace tavlira
