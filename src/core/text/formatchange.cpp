#include "core/text/formatchange.h"

#include <QTextDocument>
#include <QVariant>

namespace taglund {

namespace {
constexpr char kProperty[] = "taglundOnlyFormats";
}

TFormatOnlyScope::TFormatOnlyScope(QTextDocument *doc) : m_doc(doc), m_was(onlyFormatsChanging(doc))
{
    if (m_doc)
        m_doc->setProperty(kProperty, true);
}

TFormatOnlyScope::~TFormatOnlyScope()
{
    if (m_doc)
        m_doc->setProperty(kProperty, m_was);
}

bool onlyFormatsChanging(const QTextDocument *doc)
{
    return doc && doc->property(kProperty).toBool();
}

} // namespace taglund
