// The transport and encryption choices that the server list and LUx profile sheets share:
// what a list index stores and what a stored value selects. (A server name without a
// transport is refused by the check of each kind, record_checks.h.)
#pragma once

#include <string>

class TelaComboBox;

// Index 0 and 2 the first transport text, 1 the second, any other index the empty text.
// (The LUx sheet's third choice, a scope, goes over the first transport.)
std::string transportTextOf(int index);
// 0 "ENC_OFF", 1 "ENC_ON", 2 "ENC_OPT", any other index the empty text.
std::string encryptionCodeOf(int index);
// The encryption list entry of a stored code; anything unknown shows as "off".
int encryptionIndexOf(const std::string& code);

// Appends the three encryption entries in index order (off, on, optional).
void fillEncryptionList(TelaComboBox& list);

// A server name as the second transport stores it: in capitals.
std::string upperCaseName(const std::string& name);
