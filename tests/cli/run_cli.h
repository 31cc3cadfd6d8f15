#pragma once

#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

// Runs tintara-fade as a separate process, as a user's shell would.
struct CliResult {
    int status = -1; // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// How the process is started, beyond its arguments.
struct CliSetup {
    std::string input{};        // written to standard input, which is then closed...
    bool keepInputOpen = false; // ...unless it stays open, so the tool must end by itself
    std::string inputFile{};    // standard input from this file instead, such as /dev/zero
    bool nonBlocking = false;   // the parent makes the standard input and output pipes non-blocking
    std::optional<rlim_t> dataLimit{}; // the memory the process may allocate (RLIMIT_DATA)
};

// A process still running after a minute is killed, and its status is -1.
CliResult runCli(const std::vector<std::string> &args, const CliSetup &setup);

inline CliResult runCli(const std::vector<std::string> &args, const std::string &input = {})
{
    return runCli(args, CliSetup{.input = input});
}

// Whether the tool under test is another build run through TINTARA_FADE_RUNNER,
// such as the Windows build through wine.
bool cliRunsThroughRunner();
