// script_main.cpp -- vellmoor-script SCRIPT: the real game on the headless host, run from a script
// ("-" reads standard input), in the working directory as the game folder.
#include <fstream>
#include <iostream>
#include <string>

#include "script/script_runner.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vellmoor-script SCRIPT   (- reads standard input)\n";
        return 2;
    }
    const std::string path = argv[1];
    if (path == "-") return vm::RunScript(std::cin, std::cout, std::cerr);
    std::ifstream in(path);
    if (!in) {
        std::cerr << "script: cannot open " << path << "\n";
        return 2;
    }
    return vm::RunScript(in, std::cout, std::cerr);
}
