// Reading one setting of the client's installation, the way the user-interface library
// reads a registry value: TelaEnvironment::GetEnvParam (declared with TelaEnvironment).
// The settings come from the installation settings layer (installation.h); a registry path
// names the value by its last part, e.g. "SOFTWARE\...\CurrentVersion\Installation
// Directory" names "Installation Directory".
#pragma once

// The registry roots, in the platform's numbering. The client keeps its installation
// under the local machine root; no other root holds anything here.
inline constexpr unsigned long kHkeyCurrentUser = 0x80000001UL;
inline constexpr unsigned long kHkeyLocalMachine = 0x80000002UL;
