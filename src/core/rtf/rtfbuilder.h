#pragma once
#include "core/rtf/rtfmodel.h"

class QTextDocument;

namespace taglund {

// Replaces the document's content with the model, whole runs at a time.
void buildDocument(const RtfModel &model, QTextDocument *doc);

} // namespace taglund
