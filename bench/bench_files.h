// The generated files the benchmarks share, made once per size in a scratch folder
// (tmpfs when there is one, so that writes measure the program, not the disk).
#pragma once

#include <cstddef>
#include <string>

const std::string& benchFile(std::size_t sections);
const std::string& benchScratchDir();
