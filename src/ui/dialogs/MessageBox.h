#pragma once
// The modal boxes of the game: errors with one "Ok" button, questions with
// "Yes" and "No", and information. Every button is the skinned button of the
// game; texts come from the word tables, with their LF CR line breaks.

#include <QDialog>
#include <QString>

namespace tavlira {

class SkinnedButton;

// A small modal box: a message and a row of buttons, each ending the box
// with its own result code.
class MessageBox : public QDialog {
    Q_OBJECT

  public:
    enum class Kind { Error, Question, Information };
    MessageBox(QWidget* parent, Kind kind, const QString& text);

    QString Message() const { return message; }
    Kind BoxKind() const { return kind; }
    // The buttons in order: "Ok", or "Yes" then "No".
    QList<SkinnedButton*> Buttons() const;

  private:
    QString message;
    Kind kind;
};

void ErrorBox(QWidget* parent, const QString& text);
void InformationBox(QWidget* parent, const QString& text);
// True for "Yes". Every question of the game may throw something away, so
// Enter answers "No".
bool QuestionBox(QWidget* parent, const QString& text);

} // namespace tavlira
