#pragma once
#include "generators/kodelinjer.h"

#include <QString>
#include <QStringList>

namespace taglund {

// The list types of the box "Liste" by their index in "Listetype".
constexpr int kListeTyper = 5;
// "Punktliste: ul" ... "Dataliste: datalist".
QStringList listeTypeNavne();
// The element each type's information button looks up ("ul" ... "datalist").
QString listeElement(int type);

// The values of the list box, named after its controls.
struct TListeValg {
    int listeType = 0;  // -1 while no type is chosen
    QString listeAntalEdit = QStringLiteral("0");
    QString listeOptgroupEdit = QStringLiteral("0");
    bool listeStyleKodeCheck = true;
    bool listeStyleSelCheck = true;

    bool operator==(const TListeValg &) const = default;
};

// The list (an empty or unreadable count becomes "0"). With items the caret
// ends after the end tag; without, on the empty line between the tags.
TKodeLinjer listeLinjer(TListeValg &v);
// An option group, its count normalised the same way.
TKodeLinjer optgroupLinjer(TListeValg &v);
// The empty CSS rules for the chosen type, or for all five.
TKodeLinjer listeCssLinjer(const TListeValg &v);

// "liste.txt": the box's place and its values.
struct TListeIndstillinger {
    int top = 8;
    int left = 8;
    TListeValg valg;
};
TListeIndstillinger laesListeIndstillinger(const QString &path);
QStringList listeIndstillingsLinjer(const TListeIndstillinger &s);
bool gemListeIndstillinger(const QString &path, const TListeIndstillinger &s, QString *error = nullptr);

} // namespace taglund
