#pragma once
#include <QString>

class QWidget;

namespace taglund::ui {

// The Danish text for a failure code of the desktop shell ("\r" is a line break).
QString errorInfoText(int code);

// Shows that text in a message box titled "Fejlinformation".
void ErrorInfo(int code, QWidget *parent = nullptr);

} // namespace taglund::ui
