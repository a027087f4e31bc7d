#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dirnal::cli {

// The list operations the command line can ask for, applied in order.
enum class Step { Relative, ToUnc, FromUnc, Short, Long, Quotes, RemoveDuplicates };

struct Options {
    std::string root;
    std::string output = "-";
    std::optional<std::string> keep;
    std::vector<Step> steps;
    int jobs = 0;            // 0: the generator's default
    int timeoutSeconds = 0;  // 0: the generator's default
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// The arguments (without the program name) as options, or what is wrong
// with them, in German.
std::optional<std::string> parseArguments(const std::vector<std::string>& arguments, Options& options);

// The text of --help.
const char* helpText();

}  // namespace dirnal::cli
