#pragma once

class QTextDocument;

namespace taglund {

// Colouring a document changes only the formats of its text, yet the
// document reports it as a change of the text it covers. Readers that keep
// a copy or an index of the text skip reports made inside this scope.
class TFormatOnlyScope {
public:
    explicit TFormatOnlyScope(QTextDocument *doc);
    ~TFormatOnlyScope();
    TFormatOnlyScope(const TFormatOnlyScope &) = delete;
    TFormatOnlyScope &operator=(const TFormatOnlyScope &) = delete;

private:
    QTextDocument *m_doc;
    bool m_was;
};

bool onlyFormatsChanging(const QTextDocument *doc);

} // namespace taglund
