#pragma once

class QToolBar;

namespace taglund {

class Twinform;

// Rich-text documents: RTF reading and writing for every document window,
// and the rich-text panel and tool bar of ".rtf" windows.
void installRtfSupport();
// Returns the rich-text tool bar, so the program can put its document
// commands in front of the formatting buttons; null for a plain document.
QToolBar *addRichBars(Twinform *w);

} // namespace taglund
