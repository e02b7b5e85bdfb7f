#include "ui/dialogs/DialogPresenter.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Options.h"
#include "i18n/words/Records.h"
#include "i18n/words/Table.h"
#include "match/Match.h"
#include "ui/common/ToScreen.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/EndOfGameDialog.h"
#include "ui/dialogs/GeneralCountDialog.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/HistoryDialog.h"
#include "ui/dialogs/IconTextDialog.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/dialogs/NoticeDialog.h"
#include "ui/dialogs/SpeedDialog.h"
#include "ui/dialogs/TopTenDialog.h"

#include <QApplication>

namespace tavlira {
namespace {

QString Quoted(const std::filesystem::path& file) {
    return " \"" + QString::fromStdString(file.string()) + "\"";
}

QString ThrowAwayQuestion(const WordTable& question) {
    return ScreenText(Text(question)) + "\n" + ScreenText(Text(words::AllDataWillBeLost));
}

// The header of the current design over a dialog laid out in one box,
// titled by its caption.
void AddDesignHeader(QDialog& dialog, Settings& settings) {
    if (auto* layout = qobject_cast<QBoxLayout*>(dialog.layout()))
        ApplyDialogDesign(dialog, *layout, {dialog.windowTitle()}, settings);
}

} // namespace

DialogPresenter::DialogPresenter(QWidget* parentWindow, Settings& playerSettings,
                                 std::function<void()> beforeBox)
    : window(parentWindow), settings(playerSettings), beforeEachBox(std::move(beforeBox)) {}

void DialogPresenter::BeforeBox() const {
    if (beforeEachBox)
        beforeEachBox();
}

void DialogPresenter::Show(const MatchEvent& event) {
    if (const auto* failure = std::get_if<match_event::RecordFailure>(&event)) {
        BeforeBox();
        ErrorBox(window, ScreenText(Text(failure->what == match_event::RecordFailure::What::History
                                             ? words::CantSaveHistory
                                             : words::ErrorOfDiskWriting)));
    } else if (const auto* end = std::get_if<match_event::EndOfCycle>(&event)) {
        ShowEndOfGame(*end);
    }
}

void DialogPresenter::ShowEndOfGame(const match_event::EndOfCycle& end) {
    BeforeBox();
    EndOfGameDialog dialog(window,
                           MakeEndOfGameView(end.outcome.topTenPlace, end.outcome.cycleScore,
                                             settings.NetworkMode, settings.GifAnimation),
                           settings);
    dialog.exec();
}

bool DialogPresenter::ShowStartupCheck(const StartupCheck& check) {
    BeforeBox();
    switch (check.status) {
    case RecordFileStatus::Missing:
        ErrorBox(window, ScreenText(Text(words::CantFindTheFile)) + Quoted(check.failedFile) + "!");
        return false;
    case RecordFileStatus::Damaged:
        ErrorBox(window, ScreenText(Text(words::IncorrectFile)) + Quoted(check.failedFile) + "!");
        return false;
    case RecordFileStatus::Sound:
        break;
    }
    for (const std::filesystem::path& file : check.notWritableFiles)
        ErrorBox(window, ScreenText(Text(words::AttributeWarningStart)) + Quoted(file) +
                             ScreenText(Text(words::AttributeWarningEnd)));
    return true;
}

void DialogPresenter::DiskWriteFailed() {
    BeforeBox();
    ErrorBox(window, ScreenText(Text(words::ErrorOfDiskWriting)));
}

void DialogPresenter::SettingsNotSaved() {
    BeforeBox();
    ErrorBox(window, ScreenText(Text(words::CantSaveOptions)));
}

bool DialogPresenter::ConfirmLeaveToMenu() {
    BeforeBox();
    return QuestionBox(window, ThrowAwayQuestion(words::LeaveToMainMenuQuestion));
}

bool DialogPresenter::ConfirmLeaveGame() {
    BeforeBox();
    return QuestionBox(window, ThrowAwayQuestion(words::LeaveGameQuestion));
}

bool DialogPresenter::Ask(const QString& question) {
    BeforeBox();
    return QuestionBox(window, question);
}

bool DialogPresenter::Login(const QString& memberName, const QString& offeredName,
                            LoginDialog::Check check,
                            std::optional<LoginDialog::DuelControls> duel) {
    BeforeBox();
    LoginDialog dialog(window, memberName, offeredName,
                       static_cast<int>(duel ? NetworkLoginNameLength : LoginNameLength),
                       std::move(check), duel ? NetworkHelp() : HelpOf(HelpMenu));
    if (duel)
        dialog.AddDuelControls(std::move(*duel));
    AddDesignHeader(dialog, settings);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<DialogPresenter::NewName> DialogPresenter::AskNewName(const QString& currentName) {
    BeforeBox();
    NewName typed;
    LoginDialog dialog(
        window, QString(), currentName, static_cast<int>(LoginNameLength),
        [&typed](const std::string& name, const std::string& password, const std::string& again) {
            typed = {name, password};
            return CheckNewPlayer(name, password, again);
        },
        HelpOf(HelpMenu));
    AddDesignHeader(dialog, settings);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return typed;
}

void DialogPresenter::Prepare(QDialog& dialog) {
    BeforeBox();
    AddDesignHeader(dialog, settings);
}

void DialogPresenter::NameChanged(const QString& newName) {
    BeforeBox();
    InformationBox(window, ScreenText(Text(words::NameChanged)) + newName);
}

void DialogPresenter::ChooseSpeed(int speed, const QImage& card, std::function<void(int)> changed) {
    BeforeBox();
    SpeedDialog dialog(window, speed, card, std::move(changed));
    AddDesignHeader(dialog, settings);
    dialog.exec();
}

void DialogPresenter::About() {
    BeforeBox();
    AboutDialog(window, [this] { HelpContents(); }).exec();
}

void DialogPresenter::Notice(const QString& line1, const QString& line2, const QString& link) {
    BeforeBox();
    NoticeDialog(window, line1, line2, link).exec();
}

void DialogPresenter::Advertising() {
    BeforeBox();
    AdvertisingDialog(window)->exec();
}

void DialogPresenter::Support() {
    BeforeBox();
    SupportDialog(window)->exec();
}

void DialogPresenter::Help(int topic) {
    OpenHelp(HelpPage(topic, CurrentLanguage()));
}

void DialogPresenter::HelpContents() {
    OpenHelp(HelpContentsPage(CurrentLanguage()));
}

// The language is read when the help opens, not when the dialog was made.
std::function<void()> DialogPresenter::HelpOf(int topic) {
    return [this, topic] { Help(topic); };
}

std::function<void()> DialogPresenter::RecordsHelp() {
    return [this] { OpenHelp(HelpRecordsPage(CurrentLanguage())); };
}

std::function<void()> DialogPresenter::NetworkHelp() {
    return [this] { OpenHelp(HelpNetworkPage(CurrentLanguage())); };
}

// A modal dialog blocks every window but its own children, so the help a
// dialog asks for becomes that dialog's child while it is open; when the
// dialog ends, the help goes back to the main window and stays open there.
void DialogPresenter::OpenHelp(const QUrl& page) {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal ? modal : window;
    HelpWindow& shown = HelpShown();
    if (shown.parentWidget() != owner) {
        shown.setParent(owner, shown.windowFlags());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            QObject::connect(dialog, &QDialog::finished, &shown, [this, &shown] {
                const bool wasOpen = shown.isVisible();
                shown.setParent(window, shown.windowFlags());
                shown.setVisible(wasOpen);
            });
    }
    shown.Open(page);
}

// The window is made on first use and kept, so a second press brings the
// same window forward instead of opening another.
HelpWindow& DialogPresenter::HelpShown() {
    if (!help)
        help = new HelpWindow(window);
    return *help;
}

void DialogPresenter::ShowHistory(const std::filesystem::path& historyFolder) {
    BeforeBox();
    HistoryDialog dialog(window, historyFolder, std::string(RecordFileStem), historyFileShown,
                         RecordsHelp());
    AddDesignHeader(dialog, settings);
    dialog.exec();
    if (const std::optional<int> shown = dialog.SelectedFile())
        historyFileShown = shown;
}

void DialogPresenter::ShowTopTen(RecordStore& records, RecordFileKind kind) {
    BeforeBox();
    TopTenDialog dialog(window, records, kind, settings);
    dialog.exec();
}

void DialogPresenter::ShowGeneralCount(const MatchFigures& match, const std::string& playerName) {
    BeforeBox();
    GeneralCountDialog dialog(window, match, playerName, settings);
    dialog.exec();
}

} // namespace tavlira
