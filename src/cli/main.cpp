#include <iostream>

#include "Cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const int code = travo::cli::Run(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? code : 74; // a failed write of the output is not a success
}
