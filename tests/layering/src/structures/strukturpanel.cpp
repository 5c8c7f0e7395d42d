#include "app/mainform.h"
#include "html/htmlcommands.h"
