// The program's icon, whose images are read only when a size is first asked for: on a
// display that never shows it, it costs nothing at start-up.
#pragma once

#include <QIcon>

QIcon lazyProgramIcon();
