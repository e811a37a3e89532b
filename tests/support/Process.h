#pragma once
// Runs a program as a child process and collects what it wrote and its exit code.
#include <string>
#include <vector>

namespace travo::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out; // exact bytes
    std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);

} // namespace travo::test
