#include "ui/dialogs/NoticeDialog.h"

#include "i18n/words/About.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace tavlira {
namespace {

// "Ok" leaves this much of the width free, half on each side.
constexpr int OkInset = 10;
// The frame around the link that shows its focus.
constexpr int LinkFrame = 1;

// The link line. A click on the address opens it through the label's own
// link handling; Enter or Space opens it while the line has the focus, which
// a dotted frame shows.
class LinkLine : public QLabel {
  public:
    LinkLine(const QString& link, QWidget* parent)
        : QLabel(parent), url(QUrl::fromUserInput(link)) {
        setTextFormat(Qt::RichText);
        setText(QStringLiteral("<a href=\"%1\">%2</a>")
                    .arg(url.toString(QUrl::FullyEncoded), link.toHtmlEscaped()));
        setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        setOpenExternalLinks(true);
        setFocusPolicy(Qt::StrongFocus);
        setStyleSheet(QStringLiteral("QLabel { border: %1px solid transparent; }"
                                     "QLabel:focus { border: %1px dotted palette(link); }")
                          .arg(LinkFrame));
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            QDesktopServices::openUrl(url);
            return;
        default:
            QLabel::keyPressEvent(event);
        }
    }

  private:
    QUrl url;
};

QFont LineFont() {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(20);
    font.setBold(true);
    return font;
}

} // namespace

int NoticeWidth(int widestText) {
    const int needed = widestText + NoticeLeftMargin;
    return needed >= 350 ? needed + 50 : 400;
}

NoticeDialog::NoticeDialog(QWidget* parent, const QString& line1, const QString& line2,
                           const QString& link)
    : QDialog(parent), heading(DialogHeading(ScreenText(Text(words::Attention)), this)),
      ok(OkOnlyButton(*this)) {
    setWindowTitle(ScreenText(Text(words::Attention)));
    setModal(true);
    const QFont font = LineFont();
    const QFontMetrics metrics(font);
    const std::array<QString, 3> texts{line1, line2, link};
    int widest = 0;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(OkInset / 2, 10, OkInset / 2, 10);
    layout->addWidget(heading);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool isLink = i + 1 == texts.size();
        QLabel* line = isLink ? new LinkLine(texts[i], this) : new QLabel(texts[i], this);
        line->setFont(font);
        // Every line's text starts at the margin, the link's inside its frame.
        line->setContentsMargins(NoticeLeftMargin - OkInset / 2 - (isLink ? LinkFrame : 0), 0, 0,
                                 0);
        line->setVisible(!texts[i].isEmpty());
        widest = std::max(widest, metrics.horizontalAdvance(texts[i]));
        lines[i] = line;
        layout->addWidget(line);
    }
    layout->addSpacing(10);
    layout->addWidget(ok);
    ok->setFocus();
    setFixedWidth(NoticeWidth(widest));
}

} // namespace tavlira
