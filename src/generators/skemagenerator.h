#pragma once
#include "generators/kodelinjer.h"

#include <QString>

namespace taglund {

// The values of the table box "Skema", named after its controls.
struct TSkemaValg {
    QString kolonnerEdit = QStringLiteral("4");
    bool tableStyle1 = false;
    QString captionEdit;
    QString theadEdit = QStringLiteral("1");
    bool theadCheck = false;
    QString tbodyEdit = QStringLiteral("1");
    bool tbodyCheck = false;
    QString tfootEdit = QStringLiteral("0");
    bool tfootCheck = false;
    QString colEdit = QStringLiteral("0");
    bool colSpanCheck = false;
    bool colStyleCheck = false;
    bool colStyle1 = false;
    bool udskrivCheck = true;
    bool udskrivTekstCheck = true;
    bool cssCheck = true;

    bool operator==(const TSkemaValg &) const = default;
};

// The count fields as writing leaves them: empty row and column-group
// counts become "0", an empty or zero cell count "1", and a count that is
// not one to three digits its field's first value.
void normaliserSkema(TSkemaValg &v);

// The table (normalising the count fields first); the caret ends after "</table>".
TKodeLinjer skemaLinjer(TSkemaValg &v);
// The empty CSS rules for the table's parts.
TKodeLinjer skemaCssLinjer(const TSkemaValg &v);

// "skema.txt": the box's place and its values.
struct TSkemaIndstillinger {
    int top = 8;
    int left = 8;
    TSkemaValg valg;
};
// Missing file: the defaults. Reading stops at the first missing or
// unreadable line, keeping what was read before it.
TSkemaIndstillinger laesSkemaIndstillinger(const QString &path);
QStringList skemaIndstillingsLinjer(const TSkemaIndstillinger &s);
bool gemSkemaIndstillinger(const QString &path, const TSkemaIndstillinger &s, QString *error = nullptr);

} // namespace taglund
