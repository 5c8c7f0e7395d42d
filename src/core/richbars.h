#pragma once

namespace taglund {

class Twinform;

// Rich-text documents: RTF reading and writing for every document window,
// and the rich-text panel and tool bar of ".rtf" windows.
void installRtfSupport();
void addRichBars(Twinform *w);

} // namespace taglund
