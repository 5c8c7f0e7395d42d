#pragma once

namespace taglund {

class TCommandRegistry;
class Twinform;

// Rich-text documents: RTF reading and writing for every document window,
// and the rich-text panel and tool bar of ".rtf" windows.
void installRtfSupport();
// `commands`: the main window's, for "Rediger i andet program" and the edit menu.
void addRichBars(Twinform *w, TCommandRegistry *commands = nullptr);

} // namespace taglund
