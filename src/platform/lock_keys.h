// The state of the Caps Lock, Num Lock and Scroll Lock keys, for the status bar. Known on
// X11; elsewhere every key reads as off.
#pragma once

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeys readLockKeys();
