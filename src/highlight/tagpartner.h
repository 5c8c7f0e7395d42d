#pragma once
#include "html/tagscan.h"
#include "html/tagset.h"

#include <QString>

namespace taglund {

class TDocText;

// The tag at a caret and its partner (the end tag of a start tag, or the
// start tag of an end tag), read from a tag index of the document kept in
// step with its edits: an end tag finds its start tag without reading the
// text between them. A pair whose names differ is no pair.
class TTagPartner {
public:
    struct Tag {
        int start = -1;  // caret offset of "<"
        int end = -1;    // caret offset after ">"
        QString name;
        bool endTag = false;
        bool valid() const { return start >= 0; }
    };
    struct Match {
        Tag here;
        Tag partner;
        bool found() const { return partner.valid(); }
    };

    TTagPartner(const TDocText &doc, const TTagSet &noEndTag) : m_doc(doc), m_noEnd(noEndTag) {}
    // The document replaced `removed` characters at pos by `added` ones.
    void edit(int pos, int removed, int added);
    // The tag the caret stands in (from its "<" to just after its ">") and
    // its partner. Nothing when the caret is outside tags, in a tag without
    // end tag, or the partner is missing or named otherwise.
    Match find(int caret);
    bool indexBuilt() const { return m_index.built(); }

    // Elements without end tag when the knowledge list cannot be read.
    static QStringList builtInNoEndTags();

private:
    Tag readTag(int lt);
    Tag forwardPartner(const Tag &start);

    const TDocText &m_doc;
    const TTagSet &m_noEnd;
    TTagIndex m_index;
};

} // namespace taglund
