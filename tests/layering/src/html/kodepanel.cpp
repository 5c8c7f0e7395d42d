#include "structures/infoform.h"
#include "structures/struktur.h"
#include "core/winform.h"
