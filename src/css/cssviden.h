#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace taglund {

// How the property browser treats a value entry.
enum class TCssVaerdiArt {
    Enhed,       // "LENGTH", "PROCENT": the units page
    Farve,       // "COLOR": the colours page
    Overskrift,  // a heading: ":" or a capital first
    Henvisning,  // "n. egenskab": another property of the same group
    Vaerdi,      // written into the document
};

// The CSS lists below the program folder: the properties of each group,
// the values of each property, and the lookup list of every property with
// its group. Missing files read as empty lists.
class TCssViden {
public:
    explicit TCssViden(const QString &programdir) : m_programdir(programdir) {}

    // The 22 groups, in the browser's order.
    static const QStringList &grupper();

    QString egenskabsFil(const QString &gruppe) const;                         // "" for an unsafe name
    QString vaerdiFil(const QString &gruppe, const QString &egenskab) const;   // "" for an unsafe name
    QString opslagsFil() const;

    QStringList egenskaber(const QString &gruppe) const;
    QStringList vaerdier(const QString &gruppe, const QString &egenskab) const;
    // The group "alleCssProp.txt" names for a property: the first property
    // line equal to it regardless of case, and the line after it.
    std::optional<QString> gruppeFor(const QString &egenskab) const;

    // A value's kind; a cross reference must name one of `egenskaber`.
    static TCssVaerdiArt art(const QString &vaerdi, const QStringList &egenskaber);
    // The property a cross reference names.
    static QString henvisning(const QString &vaerdi);
    // A name from a list may only name a file inside the CSS folders.
    static bool sikkertNavn(const QString &navn);

private:
    QString m_programdir;
};

} // namespace taglund
