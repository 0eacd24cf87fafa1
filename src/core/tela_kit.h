// The client utility library: what this program needs to know about the installed client.
#pragma once

inline constexpr int kClientTypeNone = 0; // no client installation is known
inline constexpr int kClientTypeApi = 1;  // the API client, configured in "lhntapi.ini"
// The client whose configuration file is "zaredavi.ini"; the only type that changes
// anything in this program.
inline constexpr int kClientTypeAlternate = 2;

// The installed client's type, as the installation settings give it ("Client Type");
// kClientTypeNone when there are none.
int QueryClientType();
