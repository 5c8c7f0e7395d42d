#pragma once
#include <QString>

namespace taglund {

// Which check ran last (Tinfotag::KontrolMode).
enum TKontrolMode {
    kmStruktur = 0,     // reading the structure, showing attributes
    kmSlutkoder = 1,    // missing end tags
    kmKoder = 2,        // unlisted elements
    kmAttributter = 3,  // unlisted attributes
    kmForMange = 4,     // surplus end tags
};

// The status sentence after a check in `mode` found `count` (or failed with
// a negative result). Empty for a refused check.
QString kontrolSaetning(int mode, int count);

} // namespace taglund
