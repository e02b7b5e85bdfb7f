#include "ui/dialogs/NoticeDialog.h"

#include "i18n/words/About.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QFontMetrics>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace tavlira {
namespace {

// "Ok" leaves this much of the width free, half on each side.
constexpr int OkInset = 10;

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
        auto* line = new QLabel(this);
        line->setFont(font);
        line->setContentsMargins(NoticeLeftMargin - OkInset / 2, 0, 0, 0);
        line->setVisible(!texts[i].isEmpty());
        widest = std::max(widest, metrics.horizontalAdvance(texts[i]));
        lines[i] = line;
        layout->addWidget(line);
    }
    lines[0]->setText(line1);
    lines[1]->setText(line2);
    // The link is underlined by the label's rich text and opened by the
    // system's browser, from the mouse or with Tab and Enter.
    QLabel* linkLine = lines[2];
    linkLine->setTextFormat(Qt::RichText);
    linkLine->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(QUrl::fromUserInput(link).toString(QUrl::FullyEncoded), link.toHtmlEscaped()));
    linkLine->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    linkLine->setOpenExternalLinks(true);
    layout->addSpacing(10);
    layout->addWidget(ok);
    ok->setFocus();
    setFixedWidth(NoticeWidth(widest));
}

} // namespace tavlira
