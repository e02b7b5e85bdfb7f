// The notice "Attention", the about box and the advertising and support
// dialogs.

#include "ui/dialogs/NoticeDialog.h"

#include "i18n/WordTable.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/IconTextDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tavlira {
namespace {

TEST(NoticeWidth, WideTextsGetFiftyMoreNarrowOnesFourHundred) {
    const struct {
        int widestText;
        int width;
    } cases[] = {
        {0, 400},
        {200, 400},
        {350 - NoticeLeftMargin - 1, 400},
        {350 - NoticeLeftMargin, 400}, // exactly 350: 350 + 50
        {360, 360 + NoticeLeftMargin + 50},
        {700, 700 + NoticeLeftMargin + 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoticeWidth(c.widestText), c.width) << c.widestText;
}

// Records the addresses the dialogs hand to the system's browser.
class Browser : public QObject {
    Q_OBJECT

  public:
    Browser() {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~Browser() override {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

TEST(NoticeDialog, AnEmptyTextHidesItsLineAndOkSpansTheWidth) {
    NoticeDialog notice(nullptr, "The server does not answer.", QString(), "https://example.org");
    notice.show();
    EXPECT_EQ(notice.windowTitle(), "Attention");
    EXPECT_EQ(notice.Heading()->text(), "Attention");
    EXPECT_TRUE(notice.Line(0)->isVisible());
    EXPECT_FALSE(notice.Line(1)->isVisible());
    EXPECT_TRUE(notice.Line(2)->isVisible());
    EXPECT_EQ(notice.width(), 400);
    EXPECT_EQ(notice.OkButton()->width(), notice.width() - 10);
    EXPECT_EQ(notice.OkButton()->x(), 5);
    EXPECT_TRUE(notice.Line(0)->font().bold());
    EXPECT_EQ(notice.Line(0)->font().pixelSize(), 20);
}

// The widest line sets the width, and every line fits into it.
TEST(NoticeDialog, ALongLineWidensTheDialog) {
    const QString longLine = QString("The connection was lost. ").repeated(3);
    NoticeDialog notice(nullptr, QString(), longLine, QString());
    notice.show();
    const int widest = QFontMetrics(notice.Line(1)->font()).horizontalAdvance(longLine);
    ASSERT_GT(widest + NoticeLeftMargin, 350);
    EXPECT_EQ(notice.width(), widest + NoticeLeftMargin + 50);
    EXPECT_FALSE(notice.Line(0)->isVisible());
    EXPECT_FALSE(notice.Line(2)->isVisible());
    EXPECT_GE(notice.Line(1)->contentsRect().width(), widest);
    EXPECT_EQ(notice.Line(1)->mapTo(&notice, notice.Line(1)->contentsRect().topLeft()).x(),
              NoticeLeftMargin);
}

// The link is underlined and opens in the browser, by a click or with Tab
// and Enter.
TEST(NoticeDialog, TheLinkOpensInTheBrowser) {
    Browser browser;
    NoticeDialog notice(nullptr, "Download the new version:", QString(),
                        "https://example.org/tavlira");
    notice.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&notice));
    QLabel* link = notice.Line(2);
    EXPECT_TRUE(link->text().contains("https://example.org/tavlira"));
    EXPECT_EQ(QApplication::focusWidget(), notice.OkButton()) << "Enter answers Ok at first";
    QTest::keyClick(notice.OkButton(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), link);
    QTest::keyClick(link, Qt::Key_Return);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], QUrl("https://example.org/tavlira"));
    EXPECT_TRUE(notice.isVisible()) << "Enter on the link does not close the notice";

    const QPoint onText = link->contentsRect().topLeft() + QPoint(10, link->height() / 2);
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, onText);
    EXPECT_EQ(browser.opened.size(), 2);
}

// Every text of the small dialogs fits, wrapped where needed, in English,
// Russian and Chinese.
TEST(SmallDialogs, NoTextIsClippedInAnyOfThreeLanguages) {
    const std::pair<const char*, std::function<std::unique_ptr<QDialog>()>> dialogs[] = {
        {"about", [] { return std::make_unique<AboutDialog>(nullptr, [] {}); }},
        {"advertising", [] { return std::unique_ptr<QDialog>(AdvertisingDialog(nullptr)); }},
        {"support", [] { return std::unique_ptr<QDialog>(SupportDialog(nullptr)); }},
        {"notice",
         [] {
             return std::make_unique<NoticeDialog>(
                 nullptr, QString::fromUtf8("Сервер не отвечает."),
                 QString::fromUtf8("服務器沒有回應。"), "https://example.org");
         }},
    };
    const LanguageIndex before = CurrentLanguage();
    for (const LanguageIndex language :
         {LanguageIndex::English, LanguageIndex::Russian, LanguageIndex::Chinese}) {
        SetLanguage(language);
        for (const auto& [name, make] : dialogs) {
            SCOPED_TRACE(std::string(name) + " in language " +
                         std::to_string(static_cast<int>(language)));
            const std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QRect inside = label->contentsRect();
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                EXPECT_GE(label->height(), needed) << label->text().toStdString();
                if (!label->wordWrap()) {
                    EXPECT_GE(inside.width(), label->sizeHint().width() -
                                                  label->contentsMargins().left() -
                                                  label->contentsMargins().right())
                        << label->text().toStdString();
                }
                EXPECT_TRUE(dialog->rect().contains(label->geometry()))
                    << label->text().toStdString();
            }
        }
    }
    SetLanguage(before);
}

TEST(SmallDialogs, AdvertisingAndSupportSayTheirTexts) {
    const std::unique_ptr<IconTextDialog> advertising = AdvertisingDialog(nullptr);
    EXPECT_EQ(advertising->windowTitle(), "Advertising");
    EXPECT_EQ(advertising->Heading()->text(), "Our games");
    const std::unique_ptr<IconTextDialog> support = SupportDialog(nullptr);
    EXPECT_EQ(support->windowTitle(), "Support");
    EXPECT_EQ(support->Body()->text(), "We have been working on this game for a long time\n"
                                       "and we will be happy to get the financial support!");
}

} // namespace
} // namespace tavlira

#include "NoticeDialogTest.moc"
