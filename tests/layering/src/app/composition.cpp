#include "html/htmlcommands.h"
