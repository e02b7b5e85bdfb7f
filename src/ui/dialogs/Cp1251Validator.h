#pragma once
// Boxes whose text goes into a record file or onto the wire keep to code page
// 1251: a typed character the code page cannot hold is refused at once,
// with a hint that says why, instead of being stored as '?' later.

#include <QValidator>

class QLineEdit;

namespace tavlira {

class Cp1251Validator : public QValidator {
    Q_OBJECT

  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Gives `box` the validator and the hint shown when it refuses a character.
void AcceptCp1251Only(QLineEdit& box);

} // namespace tavlira
