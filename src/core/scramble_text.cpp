#include "scramble.h"

#include <climits>
#include <vector>

std::string scramblePassword(std::string_view password, std::size_t capacity) {
    if (password.empty() || password.size() > INT_MAX / 4 || capacity > INT_MAX - 1)
        return std::string(password);
    // Scrambling changes its input, so it works on a copy of the password.
    std::vector<unsigned char> data(password.begin(), password.end());
    std::vector<char> out(capacity + 1);
    int size = static_cast<int>(capacity + 1);
    int n = encryptThenEncode(data.data(), static_cast<int>(data.size()), out.data(), &size);
    if (n <= 0)
        return std::string(password);
    return std::string(out.data(), static_cast<std::size_t>(n));
}

std::string unscramblePassword(std::string_view stored, std::size_t maxPlain) {
    if (stored.size() > INT_MAX / 2 || maxPlain > INT_MAX - 1)
        return std::string(stored);
    std::string text(stored); // the decoder reads a terminated text
    std::vector<unsigned char> out(maxPlain + 1);
    int size = static_cast<int>(maxPlain + 1);
    int n = decodeThenDecrypt(text.c_str(), static_cast<int>(text.size()), out.data(), &size);
    if (n <= 0)
        return std::string(stored);
    return std::string(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(n));
}
