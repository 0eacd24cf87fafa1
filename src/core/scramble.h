// Password scrambling for the record modules: the C interface, and the two conversions
// the records need (the stored text when scrambling or unscrambling is refused).
#pragma once

#include "apicfg_scramble.h"

#include <cstddef>
#include <string>
#include <string_view>

extern "C" {
int encodeHex(const unsigned char* bytes, int length, char* output, int* outputSize);
int decodeHex(const char* text, int length, unsigned char* output, int* outputSize);
}

// The scrambled form of password when it fits `capacity` characters (2 x its length),
// else the password unchanged: an empty or over-long password is stored as it stands.
std::string scramblePassword(std::string_view password, std::size_t capacity);

// The plain password when `stored` unscrambles into at most maxPlain bytes, else the
// stored text unchanged.
std::string unscramblePassword(std::string_view stored, std::size_t maxPlain);
