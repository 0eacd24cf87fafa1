// The generated files the benchmarks share, made once per size in a scratch folder
// (tmpfs when there is one, so that writes measure the program, not the disk), or files of
// one's own: APICFG_BENCH_INPUT=DIR with DIR/input-100.ini ... DIR/input-100000.ini.
#pragma once

#include <cstddef>
#include <string>

const std::string& benchFile(std::size_t sections);
const std::string& benchScratchDir();
