#include "app/commands/runcommand.h"

#include "platform/desktopshell.h"
#include "ui/errorinfo.h"
#include "ui/questions.h"

namespace taglund {

void runCommand(const CommandText::TRunCommand &c, QWidget *parent)
{
    if (!c.message.isEmpty()) {
        ui::showInfo(parent, c.message);
        return;
    }
    if (c.shellError >= 0) {
        ui::ErrorInfo(c.shellError, parent);
        return;
    }
    const int result = DesktopShell::instance().runProgram(c.program, c.arguments, c.workingFolder);
    if (!ShellResult::succeeded(result))
        ui::ErrorInfo(result, parent);
}

} // namespace taglund
