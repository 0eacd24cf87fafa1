// The six standard mode names that the mode name boxes offer.
#pragma once

#include <string>
#include <vector>

// Appends strings 2419, 2420, 2421, 2422, 2425 and 2451, in this order.
void fillModeNameList(std::vector<std::string>& list);
