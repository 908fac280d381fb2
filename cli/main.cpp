#include <iostream>

#include "cli/calc_tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tarelvo::RunCalcTool(args, std::cout, std::cerr);
}
