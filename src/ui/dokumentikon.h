#pragma once
#include <QIcon>
#include <QString>

namespace taglund::ui {

// The program's own icon (the page with the tag), for every window.
QIcon programIcon();
// A document window's icon by the kind of its document: a page with the
// kind's short name on a band of its colour ("HTML", "CSS", "JS", ...).
QIcon documentIcon(const QString &docExt);

} // namespace taglund::ui
