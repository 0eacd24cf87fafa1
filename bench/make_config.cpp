// Writes a generated configuration: make_config SECTIONS [cpic] > FILE. With "cpic" every
// record is a side information entry (for the records list's start-up measurement).
#include "config_generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    std::size_t n = std::strtoul(argv[1], nullptr, 10);
    std::string text = argc > 2 && std::strcmp(argv[2], "cpic") == 0 ? generateCpicConfiguration(n)
                                                                     : generateConfiguration(n);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
