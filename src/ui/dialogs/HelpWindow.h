#pragma once
// The help window: the game's own help pages, shipped as resources, shown in
// a text browser. One window serves every request; it opens at the page of a
// help topic or at the contents, in the interface language when pages exist
// for it and in English otherwise. Escape closes it.

#include "i18n/WordTable.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace tavlira {

// The page of help topic `topic` (1 the menu, 2 a dealt game, 5 a game under
// way) in `language`; any other topic gives the contents page.
QUrl HelpPage(int topic, LanguageIndex language);
// The contents page in `language`.
QUrl HelpContentsPage(LanguageIndex language);
// The page of the records (the club, top ten, history, general count) in
// `language`.
QUrl HelpRecordsPage(LanguageIndex language);
// The page about network play (hosting, joining, the router's port
// forwarding) in `language`.
QUrl HelpNetworkPage(LanguageIndex language);

class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent);

    // Shows the window at `page`, raised over the game.
    void Open(const QUrl& page);

    QTextBrowser* Browser() const { return browser; }

  private:
    QTextBrowser* browser;
};

} // namespace tavlira
