#include "ui/dialogs/AboutDialog.h"

#include "i18n/words/About.h"
#include "i18n/words/Menu.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ShownVersion.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr int DialogWidth = 460;
// The caption picture is drawn for the menu's width; here it is shown at
// half of that.
constexpr int CaptionWidth = 400;

std::string LocalizedName(const char* stem) {
    return stem + std::string(LanguageSuffix[static_cast<std::size_t>(CurrentLanguage())]);
}

QLabel* CaptionHeading(QWidget* parent) {
    const QImage caption = PictureSource::BuiltIn().Data(LocalizedName("Cap"));
    if (caption.isNull())
        return DialogHeading(ScreenText(Text(words::GameTitle)), parent);
    auto* heading = new QLabel(parent);
    heading->setPixmap(
        QPixmap::fromImage(caption.scaledToWidth(CaptionWidth, Qt::SmoothTransformation)));
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

QLabel* TextLabel(const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// The logo beside the title, the version, the release and the makers.
QHBoxLayout* TitleBlock(QWidget* parent) {
    auto* logo = new QLabel(parent);
    logo->setPixmap(QPixmap::fromImage(PictureSource::BuiltIn().Data("Logo")));
    logo->setFixedSize(64, 64);
    QLabel* title = DialogHeading(ScreenText(Text(words::GameTitle)), parent);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* lines = new QVBoxLayout;
    lines->addWidget(title);
    for (const QString& text :
         {QString::fromLatin1(ShownVersion), ScreenText(Text(words::TitleReleaseLine)),
          ScreenText(Text(words::TitleAuthorLine))})
        lines->addWidget(TextLabel(text, parent));
    auto* block = new QHBoxLayout;
    block->addWidget(logo, 0, Qt::AlignTop);
    block->addSpacing(12);
    block->addLayout(lines, 1);
    return block;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent, std::function<void()> openHelp)
    : QDialog(parent), heading(CaptionHeading(this)), ok(OkOnlyButton(*this)) {
    setWindowTitle(ScreenText(Text(words::About)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(TitleBlock(this));
    layout->addSpacing(8);
    layout->addWidget(TextLabel(ScreenText(Text(words::SeparateThanks)), this, true));
    layout->addWidget(TextLabel(ScreenText(Text(words::BuiltOnCredits)), this));
    layout->addSpacing(8);
    layout->addWidget(TextLabel(ScreenText(Text(words::LicenceNote)), this));
    layout->addSpacing(8);
    auto* moreInHelp = new QHBoxLayout;
    moreInHelp->addWidget(TextLabel(ScreenText(Text(words::MoreInHelp)), this), 1);
    moreInHelp->addWidget(HelpButton(*this, std::move(openHelp)));
    layout->addLayout(moreInHelp);
    layout->addSpacing(8);
    layout->addLayout(ButtonRow({ok}));
    ok->setFocus();
    setFixedWidth(DialogWidth);
}

} // namespace tavlira
