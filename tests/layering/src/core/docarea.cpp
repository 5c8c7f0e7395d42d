#include "html/infotag.h"
#include "ui/questions.h"
