#include "cli/formatted_line.h"

#include "engine/fade.h"
#include "engine/utf8.h"

namespace tintara::cli
{

namespace
{

std::string overLimit(std::size_t length, std::size_t limit, const std::string &how = {})
{
    return "the output is " + std::to_string(length) + " code points long" + how +
           ", over --max-length " + std::to_string(limit);
}

} // namespace

void appendFormattedLine(std::string &out, const Options &options, const OutputOptions &output,
                         Blend blend, std::string_view line)
{
    OutputOptions fitted;
    if (options.fit) {
        const LengthFit fit = fitToLength(options.colours, line, blend, output, *options.maxLength);
        if (!fit.fits) {
            throw FadeError(overLimit(fit.length, *options.maxLength,
                                      " even with --step " + std::to_string(fit.step)));
        }
        fitted = output;
        fitted.step = fit.step;
    }
    const std::size_t start = out.size();
    // The line end goes in with the line, so the buffer is sized once even for
    // a line of many megabytes.
    appendFormattedFade(out, options.colours, line, blend, options.fit ? fitted : output, "\n");
    if (options.maxLength) {
        const std::string_view written(out.data() + start, out.size() - start - 1);
        const std::size_t length = utf8Length(written).value_or(0);
        if (length > *options.maxLength) {
            out.resize(start);
            throw FadeError(overLimit(length, *options.maxLength));
        }
    }
}

} // namespace tintara::cli
