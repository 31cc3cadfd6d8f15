#pragma once

#include <string>
#include <vector>

// Runs tintara-fade as a separate process, as a user's shell would.
struct CliResult {
    int status = -1; // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

CliResult runCli(const std::vector<std::string> &args, const std::string &input = {});
