// Argument reading and error output shared by the commands.
#include "clicommand.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace trellon::cli {

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& valueFlags,
                     const std::vector<std::string>& switchFlags)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (std::find(valueFlags.begin(), valueFlags.end(), arg) != valueFlags.end()) {
            if (i + 1 >= args.size())
                throw UsageError(arg + " needs a value");
            values_.emplace_back(arg, args[++i]);
        } else if (std::find(switchFlags.begin(), switchFlags.end(), arg) != switchFlags.end()) {
            switches_.push_back(arg);
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else {
            positional_.push_back(arg);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& flag) const
{
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        if (it->first == flag)
            return it->second;
    }
    return std::nullopt;
}

bool Arguments::has(const std::string& flag) const
{
    return std::find(switches_.begin(), switches_.end(), flag) != switches_.end() || value(flag).has_value();
}

const std::string& Arguments::requireValue(const std::string& flag) const
{
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        if (it->first == flag)
            return it->second;
    }
    throw UsageError(flag + " is required");
}

long Arguments::numberOr(const std::string& flag, long fallback, long minimum) const
{
    const auto text = value(flag);
    if (!text)
        return fallback;
    long number = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc() || end != text->data() + text->size() || number < minimum)
        throw UsageError(flag + " needs a whole number of at least " + std::to_string(minimum));
    return number;
}

const std::string& Arguments::onePositional(const char* what) const
{
    if (positional_.size() != 1)
        throw UsageError(std::string("expected one ") + what);
    return positional_.front();
}

int fail(const std::string& message)
{
    std::cerr << "trellon-cli: " << message << '\n';
    return exitFailure;
}

int fail(const Error& error)
{
    return fail(error.describe());
}

} // namespace trellon::cli
