#pragma once
#include <QPushButton>

namespace taglund::ui {

// A push button known to screen readers by its caption, which Enter in a
// field of its box never presses by accident.
inline QPushButton *namedButton(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    return b;
}

} // namespace taglund::ui
