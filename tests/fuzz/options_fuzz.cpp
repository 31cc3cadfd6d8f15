// Feeds arbitrary command lines to tintara-fade's option parser, the arguments split at NUL
// bytes: parsing must never crash nor throw anything but a usage error, whose message must be
// safe to show on a terminal, and what it accepts must be a command the tool can carry out.
#include "cli/options.h"
#include "engine/utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace
{

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

// Well-formed UTF-8 without control characters.
bool safeOnATerminal(std::string_view message)
{
    if (!tintara::utf8Length(message)) {
        return false;
    }
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        if (byte < 0x20 || byte == 0x7F ||
            (byte == 0xC2 && static_cast<unsigned char>(message[i + 1]) < 0xA0)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args{"tintara-fade"};
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(arg);
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    args.push_back(arg);
    std::vector<char *> argv;
    for (std::string &each : args) {
        argv.push_back(each.data());
    }
    argv.push_back(nullptr);

    tintara::cli::Options options;
    try {
        options = tintara::cli::parseOptions(static_cast<int>(args.size()), argv.data());
    } catch (const tintara::cli::UsageError &error) {
        require(safeOnATerminal(error.what()));
        return 0;
    }
    if (options.help || options.version) {
        return 0;
    }
    if (options.runs) {
        require(options.colours.empty() && !options.setFile && !options.saveSetFile);
        return 0;
    }
    // A fade, or a saved fade set: the colours come from --colors or from the set.
    require(options.setFile.has_value() != !options.colours.empty());
    require(options.colours.empty() || (options.colours.size() >= tintara::kMinColors &&
                                        options.colours.size() <= tintara::kMaxColors));
    for (const tintara::ColorValue colour : options.colours) {
        require(colour >= 0 && colour <= tintara::kWhite);
    }
    require(!options.saveSetFile || (!options.text && !options.ansi && !options.setFile));
    return 0;
}
