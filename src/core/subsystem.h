#pragma once

namespace taglund {

class Twinform;

// A subsystem's command object: made once when the program is composed, it
// registers its commands with the registry, owns its windows, and hears
// about documents through these calls. Every call has a default that does
// nothing, so a subsystem overrides only what it uses.
class TSubsystem {
public:
    virtual ~TSubsystem() = default;

    // The start step after the main settings are read (loading lists,
    // filling panels). Runs in the order the subsystems joined.
    virtual void start() {}
    // A new document window is set up for its kind (bar buttons, menus,
    // panels) before it shows; subsystems add to it in joining order.
    virtual void decorateWindow(Twinform *w) { (void)w; }
    // A document window became active, or none is (null).
    virtual void documentActivated(Twinform *w) { (void)w; }
    // Every close request of a named document, also one that is refused later.
    virtual void documentClosing(Twinform *w) { (void)w; }
    virtual void documentClosed(Twinform *w) { (void)w; }
    virtual void documentSaved(Twinform *w) { (void)w; }
    // A window may not close while the subsystem is reading it.
    virtual bool mayCloseDocument(Twinform *w) const { (void)w; return true; }
    // After a key or mouse-button release in a document's editor.
    virtual void caretReleased(Twinform *w) { (void)w; }
};

} // namespace taglund
