#pragma once
// Typing for the recovery tests: any character, also outside Latin-1, reaches
// the editor as a key press carrying its text; "\n" is the Return key.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QtTest>

namespace taglund::test {

inline void typeText(QWidget *editor, const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n') {
            QTest::keyClick(editor, Qt::Key_Return);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
        QApplication::sendEvent(editor, &release);
    }
}

} // namespace taglund::test
