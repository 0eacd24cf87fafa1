// What every C++ program on the system's C++ runtime pays at start: the runtime loaded and
// set up, one line written with iostream. The tool's start is measured beside it.
#include <iostream>

int main() {
    std::cout << "list\n";
}
