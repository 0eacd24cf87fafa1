#include "apicfg_scramble.h"

#include <algorithm>
#include <cstring>

namespace {

// One copy of the key for each direction, as the client's own library keeps them.
constexpr unsigned char kEncryptKey[10] = {0x3A, 0x7F, 0x12, 0xC4, 0x5B,
                                           0x09, 0xE6, 0x81, 0x2D, 0x70};
constexpr unsigned char kDecryptKey[10] = {0x3A, 0x7F, 0x12, 0xC4, 0x5B,
                                           0x09, 0xE6, 0x81, 0x2D, 0x70};
static_assert(std::ranges::equal(kEncryptKey, kDecryptKey), "both directions use one key");
constexpr char kDigits[] = "0123456789ABCDEF";

int fail(int* size) {
    if (size)
        *size = 0;
    return 0;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

extern "C" {

int encodeHex(const unsigned char* bytes, int length, char* output, int* outputSize) {
    if (!bytes || !output || !outputSize || length < 1 || *outputSize / 2 < length)
        return fail(outputSize);
    std::memset(output, '0', static_cast<std::size_t>(length) * 2);
    for (int i = 0; i < length; ++i) {
        output[2 * i] = kDigits[bytes[i] >> 4];
        output[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
    *outputSize = 2 * length;
    return 2 * length;
}

int decodeHex(const char* text, int length, unsigned char* output, int* outputSize) {
    if (!text || !output || !outputSize || length < 2 || length % 2 != 0 ||
        length / 2 > *outputSize)
        return fail(outputSize);
    for (int i = 0; i < length; ++i)
        if (hexValue(text[i]) < 0)
            return fail(outputSize);
    std::memset(output, 0, static_cast<std::size_t>(length / 2));
    for (int i = 0; i < length / 2; ++i)
        output[i] =
            static_cast<unsigned char>(hexValue(text[2 * i]) << 4 | hexValue(text[2 * i + 1]));
    *outputSize = length / 2;
    return length / 2;
}

int encryptThenEncode(unsigned char* data, int length, char* output, int* outputSize) {
    if (!data || !output || !outputSize || length < 1 || *outputSize < 1 ||
        (*outputSize - 1) / 2 < length)
        return fail(outputSize);
    for (int i = 0; i < length; ++i)
        data[i] ^= kEncryptKey[i % 10];
    int count = encodeHex(data, length, output, outputSize);
    if (count > 0)
        output[count] = '\0';
    *outputSize = count;
    return count;
}

int decodeThenDecrypt(const char* text, int length, unsigned char* output, int* outputSize) {
    if (!text || text[0] == '\0' || length < 2 || length % 2 != 0 || !output || !outputSize ||
        length / 2 >= *outputSize)
        return fail(outputSize);
    int count = decodeHex(text, length, output, outputSize);
    if (count < 1)
        return fail(outputSize);
    for (int i = 0; i < count; ++i)
        output[i] ^= kDecryptKey[i % 10];
    output[count] = '\0';
    *outputSize = count;
    return count;
}

} // extern "C"
