#include "ui/questions.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace taglund::ui {

namespace {

QPointer<QWidget> g_anchor;
Script *g_script = nullptr;

// Messages use "\r" for a line break inside the text.
QString displayText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

Answer scripted(const QString &asked)
{
    g_script->asked.append(asked);
    return g_script->answers.isEmpty() ? Answer::Ingen : g_script->answers.takeFirst();
}

QWidget *parentFor(QWidget *parent)
{
    return parent ? parent : g_anchor.data();
}

Answer runBox(QWidget *parent, const QString &caption, QWidget *content, bool besideCorner)
{
    QDialog box(parentFor(parent));
    box.setWindowTitle(caption);
    box.setAccessibleName(caption);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(content);
    auto *buttons = new QDialogButtonBox(&box);
    QPushButton *ja = buttons->addButton(QStringLiteral("Ja"), QDialogButtonBox::AcceptRole);
    QPushButton *nej = buttons->addButton(QStringLiteral("Nej"), QDialogButtonBox::RejectRole);
    ja->setAccessibleName(QStringLiteral("Ja"));
    nej->setAccessibleName(QStringLiteral("Nej"));
    ja->setDefault(true);
    layout->addWidget(buttons);
    Answer answer = Answer::Ingen;
    QObject::connect(ja, &QPushButton::clicked, &box, [&] { answer = Answer::Ja; box.accept(); });
    QObject::connect(nej, &QPushButton::clicked, &box, [&] { answer = Answer::Nej; box.reject(); });
    box.adjustSize();
    if (QWidget *anchor = parentFor(parent) ? parentFor(parent)->window() : nullptr) {
        const QRect g = anchor->frameGeometry();
        if (besideCorner)
            box.move(g.topLeft() + QPoint(300, 300));
        else
            box.move(g.center() - QPoint(box.width() / 2, box.height() / 2));
    }
    box.exec();
    return answer;
}

void message(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon)
{
    if (g_script) {
        g_script->messages.append(text);
        return;
    }
    QMessageBox box(icon, title.isEmpty() ? QApplication::applicationDisplayName() : title,
                    displayText(text), QMessageBox::Ok, parentFor(parent));
    box.setAccessibleName(box.windowTitle());
    box.exec();
}

} // namespace

Answer askYesNoAnswer(QWidget *parent, const QString &text)
{
    if (g_script)
        return scripted(displayText(text));
    auto *label = new QLabel(displayText(text));
    label->setAccessibleName(label->text());
    label->setWordWrap(true);
    label->setMinimumWidth(320);
    return runBox(parent, QStringLiteral("Spørgsmål"), label, true);
}

bool askYesNo(QWidget *parent, const QString &text)
{
    return askYesNoAnswer(parent, text) == Answer::Ja;
}

Answer askQuestionAnswer(QWidget *parent, const QStringList &lines)
{
    const QString text = displayText(lines.join(u'\n'));
    if (g_script)
        return scripted(text);
    auto *view = new QPlainTextEdit(text);
    view->setReadOnly(true);
    view->setAccessibleName(QStringLiteral("Spørgemål"));
    view->setMinimumSize(360, 90);
    view->setMaximumHeight(view->fontMetrics().lineSpacing() * (lines.size() + 3));
    return runBox(parent, QStringLiteral("Spørgemål"), view, false);
}

bool askQuestion(QWidget *parent, const QStringList &lines)
{
    return askQuestionAnswer(parent, lines) == Answer::Ja;
}

void showInfo(QWidget *parent, const QString &text, const QString &title)
{
    message(parent, text, title.isEmpty() ? QStringLiteral("Information") : title, QMessageBox::Information);
}

void showError(QWidget *parent, const QString &text, const QString &title)
{
    message(parent, text, title.isEmpty() ? QStringLiteral("Fejl") : title, QMessageBox::Critical);
}

void setAnchorWindow(QWidget *w)
{
    g_anchor = w;
}

QWidget *anchorWindow()
{
    return g_anchor.data();
}

void setScript(Script *s)
{
    g_script = s;
}

Script *script()
{
    return g_script;
}

} // namespace taglund::ui
