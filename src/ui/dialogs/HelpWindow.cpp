#include "ui/dialogs/HelpWindow.h"

#include "i18n/words/Menu.h"
#include "match/Match.h"
#include "ui/common/ToScreen.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavlira {
namespace {

// The folder of the pages in `language`: only English and Russian pages are
// written; every other language reads the English ones.
QString PageFolder(LanguageIndex language) {
    return language == LanguageIndex::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

QUrl PageUrl(const char* page, LanguageIndex language) {
    return QUrl(QStringLiteral("qrc:/help/%1/%2.html").arg(PageFolder(language), page));
}

} // namespace

QUrl HelpPage(int topic, LanguageIndex language) {
    switch (topic) {
    case HelpMenu:
        return PageUrl("menu", language);
    case HelpDealt:
        return PageUrl("dealt", language);
    case HelpUnderWay:
        return PageUrl("play", language);
    default:
        return HelpContentsPage(language);
    }
}

QUrl HelpContentsPage(LanguageIndex language) {
    return PageUrl("contents", language);
}

QUrl HelpRecordsPage(LanguageIndex language) {
    return PageUrl("records", language);
}

QUrl HelpNetworkPage(LanguageIndex language) {
    return PageUrl("network", language);
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser(new QTextBrowser(this)) {
    // A help window stays open beside the game, so it is never modal.
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 520);
}

void HelpWindow::Open(const QUrl& page) {
    // The caption follows the language, which may have changed since the
    // window was last shown.
    setWindowTitle(ScreenText(Text(words::Help)));
    browser->setSource(page);
    show();
    raise();
    activateWindow();
}

} // namespace tavlira
