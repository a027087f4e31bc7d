#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "core/in_place_write.h"
#include "support/session_fakes.h"

namespace dirnal {
namespace {

using Old = FileError::OldContent;
using Failures = std::vector<std::optional<FileError>>;  // the read's, then each overwrite's in turn
const FileError kNoSpace{FileError::Kind::NoSpace, 28}, kBroken{FileError::Kind::InputOutput, 5};

// The copies kept in memory, by their folders, with what they hold.
std::vector<std::pair<std::string, std::string>> copiesIn(const testing::MemoryFiles& copies)
{
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& [path, bytes] : copies.files)
        found.emplace_back(path.substr(0, path.find('/', 1)), bytes);
    return found;
}

// A file in memory whose calls fail as planned; a failed overwrite leaves
// half of what it was to write. A third overwrite is one too many.
struct FakeOpenFile final : OpenFile {
    FakeOpenFile(Failures planned, const testing::MemoryFiles& kept) : failures(std::move(planned)), copies(kept)
    {
        failures.resize(3);
    }
    FileContent readWhole() override { return {bytes, failures.at(0)}; }
    std::optional<FileError> overwrite(std::string_view content) override
    {
        if (writes == 0)
            copiesAtFirstWrite = copiesIn(copies);
        const auto failed = failures.at(++writes);
        bytes = failed ? content.substr(0, content.size() / 2) : content;
        return failed;
    }
    std::string bytes = "old\n";
    Failures failures;
    std::size_t writes = 0;
    const testing::MemoryFiles& copies;
    std::vector<std::pair<std::string, std::string>> copiesAtFirstWrite;
};

TEST(WriteInPlace, KeepsTheOldContentInACopyWhileWritingAndPutsItBackWhenTheWriteFails)
{
    using Copies = std::vector<std::pair<std::string, std::string>>;  // folder, content
    // error code (0: saved), old content, no copy made, bytes, writes, copies at the first write, copies after
    using After = std::tuple<int, Old, bool, std::string, std::size_t, Copies, Copies>;
    const Copies none, beside{{"/l", "old\n"}}, inState{{"/state", "old\n"}};
    const struct { std::string content; Failures failures; std::set<std::string> readOnly; After after; } cases[] = {
        {"new\n", {}, {}, {0, Old::Untouched, false, "new\n", 1, beside, none}},
        {"new\n", {}, {"/l"}, {0, Old::Untouched, false, "new\n", 1, inState, none}},
        {"new\n", {}, {"/l", "/state"}, {13, Old::Untouched, true, "old\n", 0, none, none}},
        {"old\n", {}, {}, {0, Old::Untouched, false, "old\n", 0, none, none}},
        {"new\n", {kBroken}, {}, {5, Old::Untouched, false, "old\n", 0, none, none}},
        {"new\n", {std::nullopt, kNoSpace}, {}, {28, Old::WrittenBack, false, "old\n", 2, beside, none}},
        {"new\n", {std::nullopt, kNoSpace, kBroken}, {}, {28, Old::Lost, false, "ol", 2, beside, beside}},
    };
    for (const auto& c : cases) {
        testing::MemoryFiles copies;
        copies.readOnly = c.readOnly;
        FakeOpenFile file(c.failures, copies);
        RecoveryCopy recovery(copies, "/l/dirnal.lst", PathStyle::Posix);
        const FileError error = writeInPlace(file, c.content, recovery).value_or(FileError{});
        EXPECT_EQ(After(error.systemCode, error.oldContent, error.noRecoveryCopy, file.bytes, file.writes,
                        file.copiesAtFirstWrite, copiesIn(copies)),
                  c.after)
            << "case " << &c - cases;
        EXPECT_EQ(error.recoveryCopy.empty(), copiesIn(copies).empty()) << "the message names the copy left";
    }
}

}  // namespace
}  // namespace dirnal
