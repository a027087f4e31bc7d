#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dirnal::cli {

// The list operations the command line can ask for, applied in order.
struct Step {
    enum Kind { Relative, ToUnc, FromUnc, Short, Long, Quotes, RemoveDuplicates, Exclude, RemoveMissing };
    Kind kind;
    std::string text = {};  // what Exclude removes the entries holding
    bool operator==(const Step&) const = default;
};

struct Options {
    std::string root;
    std::string output = "-";
    std::optional<std::string> keep;
    std::optional<std::string> check;  // the list file to check instead of making one
    std::vector<Step> steps;
    int jobs = 0;            // 0: the generator's default
    int timeoutSeconds = 0;  // 0: the generator's default
    int maxDepth = 0;        // levels below the start folder; 0: all
    bool hidden = false;     // hidden folders are walked too
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// The arguments (without the program name) as options, or what is wrong
// with them, in German. GNU style: "--output PATH" and "--output=PATH",
// short options bundled with a value attached ("-qj4"), "--" ending the
// options.
std::optional<std::string> parseArguments(const std::vector<std::string>& arguments, Options& options);

// The text of --help.
const char* helpText();

}  // namespace dirnal::cli
