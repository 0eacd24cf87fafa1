#include "lock_keys.h"

#include <QGuiApplication>

#ifdef APICFG_HAVE_X11
#include <X11/XKBlib.h>
#endif

LockKeys readLockKeys() {
    LockKeys keys;
#ifdef APICFG_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return keys;
    // Indicators are found by name: their order differs between keyboard maps.
    auto lit = [display](const char* name) {
        Bool on = False;
        const Atom atom = XInternAtom(display, name, True);
        return atom != None &&
               XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    };
    keys.caps = lit("Caps Lock");
    keys.num = lit("Num Lock");
    keys.scroll = lit("Scroll Lock");
#endif
    return keys;
}
