#pragma once
#include "core/rtf/rtfmodel.h"

#include <QByteArray>

namespace taglund {

// True when the bytes begin like an RTF file: "{\rtf", after blanks or a
// UTF-8 byte-order mark.
bool looksLikeRtf(const QByteArray &bytes);

// Reads RTF into the flat model. Never fails: whatever can be read is read,
// and a file with unbalanced braces, cut short or with text after its end
// comes back with `damaged` set. Groups are kept on an explicit stack, so
// nesting depth costs memory, never the call stack.
RtfModel parseRtf(const QByteArray &bytes);

} // namespace taglund
