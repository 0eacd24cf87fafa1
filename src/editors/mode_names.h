// The six standard mode names that the mode name boxes offer.
#pragma once

#include <string>
#include <vector>

class TelaComboBox;

// Appends strings 2419, 2420, 2421, 2422, 2425 and 2451, in this order.
void fillModeNameList(std::vector<std::string>& list);

// Shows a stored mode in an editable mode box exactly as it is stored: the offered name when
// it is that very name, else the stored text itself (a mode of the site's own, a shortened
// one, another case). The box then gives it back unchanged unless the user changes it.
void showStoredMode(TelaComboBox& box, const std::string& stored);
