#include "ui/dialogs/Cp1251Validator.h"

#include "i18n/words/Login.h"
#include "ui/common/ToScreen.h"
#include "util/Cp1251.h"

#include <QLineEdit>
#include <QToolTip>

namespace tavlira {

QValidator::State Cp1251Validator::validate(QString& input, int& /*position*/) const {
    // A character the code page lacks does not survive the way there and back.
    const std::string utf8 = input.toStdString();
    return Cp1251ToUtf8(Utf8ToCp1251(utf8)) == utf8 ? Acceptable : Invalid;
}

void AcceptCp1251Only(QLineEdit& box) {
    box.setValidator(new Cp1251Validator(&box));
    QObject::connect(&box, &QLineEdit::inputRejected, &box, [&box] {
        // A rejected key past the length limit needs no hint.
        if (box.text().size() >= box.maxLength())
            return;
        QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())),
                           ScreenText(Text(words::OnlyCp1251Characters)), &box);
    });
}

} // namespace tavlira
