#include "ui/controls/ButtonPieces.h"

#include <QString>

namespace tavlira {
namespace {

// Resource names: "R" for the normal set, "Q" for the alternative one, the
// piece height, then "_L", "_R" or "_2" for the left cap, right cap and middle.
ButtonPieces LoadPieces(char set, int rows) {
    const QString stem = QStringLiteral(":/RCDATA/%1%2_").arg(QChar(set)).arg(rows);
    return {QImage(stem + 'L'), QImage(stem + 'R'), QImage(stem + '2')};
}

ButtonPieceSet LoadPieceSet() {
    ButtonPieceSet set;
    const int rows[] = {29, 44, 59};
    for (int i = 0; i < 3; ++i) {
        set.normal[i] = LoadPieces('R', rows[i]);
        set.alternative[i] = LoadPieces('Q', rows[i]);
    }
    return set;
}

} // namespace

std::shared_ptr<const ButtonPieceSet> BuiltInButtonPieces() {
    static const auto pieces = std::make_shared<const ButtonPieceSet>(LoadPieceSet());
    return pieces;
}

} // namespace tavlira
