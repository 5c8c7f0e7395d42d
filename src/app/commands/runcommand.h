#pragma once
#include "core/model/commandtext.h"

class QWidget;

namespace taglund {

// Carries out a run built by CommandText through the desktop shell: its
// information message, its shell error, or the program itself; a program
// that cannot start shows the shell's text for a missing association.
void runCommand(const CommandText::TRunCommand &c, QWidget *parent);

} // namespace taglund
