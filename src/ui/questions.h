#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace taglund::ui {

// What the user did with a question: "Ja", "Nej", or closed the box without answering.
enum class Answer { Ja, Nej, Ingen };

// The yes/no box: caption "Spørgsmål", one text, "Ja" and "Nej". It opens
// 300 pixels right of and below the main window's top-left corner, on top.
Answer askYesNoAnswer(QWidget *parent, const QString &text);
bool askYesNo(QWidget *parent, const QString &text);

// The question box: caption "Spørgemål", a read-only text of several lines,
// "Ja" (accept) and "Nej" (refuse), centred on the main window, on top.
Answer askQuestionAnswer(QWidget *parent, const QStringList &lines);
bool askQuestion(QWidget *parent, const QStringList &lines);

// Modal messages with one OK button. In message texts "\r" is a line break.
void showInfo(QWidget *parent, const QString &text, const QString &title = QString());
void showError(QWidget *parent, const QString &text, const QString &title = QString());

// The window question boxes position themselves against (the main window).
void setAnchorWindow(QWidget *w);
QWidget *anchorWindow();

// Tests answer the boxes instead of a person. While a script is set, every
// question takes the next scripted answer (Ingen when the script runs out)
// and every question and message is recorded instead of shown.
struct Script {
    QList<Answer> answers;
    QStringList asked;      // the texts of the questions, lines joined by "\n"
    QStringList messages;   // info and error texts, in order
    std::function<QString(const QString &title, const QString &proposed)> saveFileName;
};
void setScript(Script *script);   // nullptr: show real boxes again
Script *script();

} // namespace taglund::ui
