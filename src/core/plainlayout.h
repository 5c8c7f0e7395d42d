#pragma once
#include "core/text/formatchange.h"

#include <QPlainTextDocumentLayout>

namespace taglund {

// The layout of a plain document. The toolkit's layout treats a change as
// covering `removed + added` characters from its start, so a change that
// replaces a paragraph's text by as much again (colouring it does) appears
// to run into the next paragraph, and the whole window is repainted on
// every key. In the changed document the change covers `added` characters
// from its start: that is what is laid out again here.
class TPlainLayout : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    explicit TPlainLayout(QTextDocument *doc) : QPlainTextDocumentLayout(doc) {}

protected:
    void documentChanged(int from, int removed, int added) override
    {
        // Colouring a stretch of paragraphs at a time is better off with
        // the base's way: their layouts are dropped, not made again at once.
        if (onlyFormatsChanging(document()))
            QPlainTextDocumentLayout::documentChanged(from, removed, added);
        else   // a changed paragraph count is seen by the base all the same
            QPlainTextDocumentLayout::documentChanged(from, 0, std::max(1, added));
    }
};

} // namespace taglund
