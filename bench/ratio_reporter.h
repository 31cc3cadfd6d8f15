#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace tintara
{

// Prints as usual and keeps each benchmark's time per iteration, so a
// benchmark program can print the ratio of two of them.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                perIteration[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }

    std::map<std::string, double> perIteration;

    // Prints "label: 1.23x (target <= 1.5x: met)" for the time of `measured`
    // over the time of `reference`.
    void printRatio(const std::string &measured, const std::string &reference, const char *label,
                    double target)
    {
        const double top = perIteration[measured];
        const double bottom = perIteration[reference];
        if (top > 0 && bottom > 0) {
            const double ratio = top / bottom;
            std::printf("%s: %.2fx (target <= %.1fx: %s)\n", label, ratio, target,
                        ratio <= target ? "met" : "MISSED");
        }
    }
};

} // namespace tintara
