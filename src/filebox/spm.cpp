#include "filebox/spm.h"

#include "filebox/dialogforms.h"
#include "ui/questions.h"

namespace taglund {

TSpm::TSpm(QObject *parent) : TSearchHandlinger(parent) {}

TSpm::~TSpm() = default;

TFilDialoger *TSpm::dialoger()
{
    if (!m_dialoger) {
        m_egne = std::make_unique<TFilDialogForms>();
        m_dialoger = m_egne.get();
    }
    return m_dialoger;
}

bool TSpm::spoergBekraeft(const TBekraeftelse &b)
{
    return dialoger()->bekraeft(b);
}

bool TSpm::spoergKonflikt(const QStringList &navne, TKonfliktValg &valg)
{
    const qsizetype n = navne.size();
    const QString label = QStringLiteral("Der eksisterer ") + QString::number(n)
                          + (n == 1 ? QStringLiteral(" fil med samme navn.") : QStringLiteral(" filer med samme navn."));
    valg = m_konfliktValg;
    const bool videre = dialoger()->konflikt(label, navne, valg);
    m_konfliktValg = valg;
    return videre;
}

bool TSpm::spoerg(const QStringList &lines)
{
    return ui::askQuestion(nullptr, lines);
}

} // namespace taglund
