#include "ui/common/ToScreen.h"

#include "util/Cp1251.h"
#include "util/NumberFormat.h"

#include <algorithm>

namespace tavlira {

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

QString ScreenText(std::string_view text) {
    QString screen = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    screen.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return screen;
}

QString ShortDate(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

const FontChoice& FontOf(const Settings& settings, FontLine line) {
    return settings.Fonts[static_cast<std::size_t>(line)];
}

QFont FontFace(const Settings& settings, FontLine line) {
    return QFont(FromBytes(FontOf(settings, line).name));
}

int FontSize(const Settings& settings, FontLine line, double pixels) {
    return std::max(1, Round(pixels * FontOf(settings, line).scale / 100.0));
}

QFont SizedFont(const Settings& settings, FontLine line, double pixels, bool bold) {
    QFont font = FontFace(settings, line);
    font.setPixelSize(FontSize(settings, line, pixels));
    font.setBold(bold);
    return font;
}

} // namespace tavlira
