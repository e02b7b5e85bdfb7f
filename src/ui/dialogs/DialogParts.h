#pragma once
// The parts the game's own dialogs share: the heading at the top, the row of
// buttons, the "Ok" that Escape presses as well, and the "?" button that, like
// F1, opens the dialog's page of the help.

#include <QLabel>
#include <QList>
#include <functional>

class QAbstractButton;
class QDialog;
class QHBoxLayout;

namespace tavlira {

class SkinnedButton;

// A bold, larger, centred caption: the header at the top of a dialog.
QLabel* DialogHeading(const QString& text, QWidget* parent);

// The buttons side by side, centred.
QHBoxLayout* ButtonRow(const QList<QWidget*>& buttons);

// The skinned "Ok" of a dialog, its default button, that accepts it. A
// dialog whose only answer is "Ok" ends the same way on Escape.
SkinnedButton* OkOnlyButton(QDialog& dialog);

// Escape presses `button`, so the dialog ends as that button ends it.
void EscapePresses(QDialog& dialog, QAbstractButton& button);

// The "?" button of `dialog`; it and F1 anywhere in the dialog run
// `openHelp`.
SkinnedButton* HelpButton(QDialog& dialog, std::function<void()> openHelp);

} // namespace tavlira
