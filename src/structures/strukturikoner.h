#pragma once
#include <QIcon>
#include <QStringList>

namespace taglund {

// The two sets of ten 16x16 icons a structure's nodes show, addressed by
// the icon digit of the data line.
enum class TIkonSet { Info, Objekt };

const QStringList &ikonNavne(TIkonSet set);
// Painted afresh on every call: callers keep the ten they show.
QIcon strukturIkon(TIkonSet set, int index);  // an empty icon outside 0..9
// The icon of a structure item in a menu.
QIcon strukturMenuIkon();

} // namespace taglund
