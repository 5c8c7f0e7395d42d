#pragma once

class QApplication;

namespace taglund::ui {

// Name, Danish translations of Qt's own dialogs, accessible names for every
// control, and the base style. Called once before the main window is made.
void setUpApplication(QApplication &app);

// Gives every control that has no accessible name its caption (or, for an
// icon button, its hint), so screen readers and automation find it by its
// Danish text. Installed by setUpApplication; tests may install it alone.
void installAccessibleNames(QApplication &app);

} // namespace taglund::ui
