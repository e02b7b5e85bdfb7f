#pragma once
// The modal boxes of the game: errors with one "Ok" button, questions with
// "Yes" and "No", and information. Every button is the skinned button of the
// game; texts come from the word tables, with their LF CR line breaks.

#include "ui/controls/ButtonSkin.h"

#include <QDialog>
#include <QString>

namespace tavlira {

class TQelCardsButton;

// A word-table text for the screen: UTF-8, and the LF CR line break of the
// tables as one line break.
QString ScreenText(std::string_view text);

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
    QList<TQelCardsButton*> Buttons() const;

  private:
    QString message;
    Kind kind;
};

void ErrorBox(QWidget* parent, const QString& text);
void InformationBox(QWidget* parent, const QString& text);
// True for "Yes".
bool QuestionBox(QWidget* parent, const QString& text);

// A skinned button's skin and caption colour; the caption turns yellow under
// the pointer.
void SkinButton(TQelCardsButton& button, TColorSB skin, const QColor& caption);
// Gives a dialog's buttons the skin of the game's dialogs.
void SkinDialogButton(TQelCardsButton& button);

} // namespace tavlira
