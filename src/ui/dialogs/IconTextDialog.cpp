#include "ui/dialogs/IconTextDialog.h"

#include "i18n/words/About.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr int PictureSide = 48;

} // namespace

IconTextDialog::IconTextDialog(QWidget* parent, const QString& caption, const QString& headingText,
                               const QImage& picture, const QString& text)
    : QDialog(parent), heading(DialogHeading(headingText, this)), body(new QLabel(text, this)),
      ok(OkOnlyButton(*this)) {
    setWindowTitle(caption);
    setModal(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(picture));
    icon->setFixedSize(PictureSide, PictureSide);
    body->setWordWrap(true);
    body->setMinimumWidth(400);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(body, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(8);
    layout->addLayout(row);
    layout->addSpacing(8);
    layout->addLayout(ButtonRow({ok}));
    ok->setFocus();
}

std::unique_ptr<IconTextDialog> AdvertisingDialog(QWidget* parent) {
    return std::make_unique<IconTextDialog>(
        parent, ScreenText(Text(words::Advertising)), ScreenText(Text(words::OurGames)),
        PictureSource::BuiltIn().Data("AdvGiftR"), ScreenText(Text(words::GameFamilyFeatures)));
}

std::unique_ptr<IconTextDialog> SupportDialog(QWidget* parent) {
    return std::make_unique<IconTextDialog>(parent, ScreenText(Text(words::Support)),
                                            ScreenText(Text(words::Support)),
                                            PictureSource::BuiltIn().Data("AdvGiftG"),
                                            ScreenText(Text(words::WorkedLongOnThisGame)) + "\n" +
                                                ScreenText(Text(words::HappyForFinancialSupport)));
}

} // namespace tavlira
