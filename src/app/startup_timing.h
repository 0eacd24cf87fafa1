// Switches for measuring the editor's start from outside (the benchmarks set them; a user
// never needs them): APICFG_QUIT_AFTER_FIRST_PAINT=1 ends the program (without tear-down) right
// after the main window's first paint, APICFG_START_OPTION=KIND selects that option kind before it.
#pragma once

class CMainFrame;

void applyStartupTimingSwitches(CMainFrame& frame);
