#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "core/in_place_write.h"

namespace dirnal {
namespace {

using Old = FileError::OldContent;
using Failures = std::vector<std::optional<FileError>>;  // the read's, then each overwrite's in turn
const FileError kNoSpace{FileError::Kind::NoSpace, 28}, kBroken{FileError::Kind::InputOutput, 5};

// A file in memory whose calls fail as planned; a failed overwrite leaves
// half of what it was to write. A third overwrite is one too many.
struct FakeOpenFile final : OpenFile {
    explicit FakeOpenFile(Failures planned) : failures(std::move(planned)) { failures.resize(3); }
    FileContent readWhole() override { return {bytes, failures.at(0)}; }
    std::optional<FileError> overwrite(std::string_view content) override
    {
        const auto failed = failures.at(++writes);
        bytes = failed ? content.substr(0, content.size() / 2) : content;
        return failed;
    }
    std::string bytes = "old\n";
    Failures failures;
    std::size_t writes = 0;
};

TEST(WriteInPlace, PutsTheOldContentBackWhenTheWriteFailsAndSaysWhetherThatWorked)
{
    using After = std::tuple<int, Old, std::string, std::size_t>;  // error code (0: saved), old content, bytes, writes
    const struct { std::string content; Failures failures; After after; } cases[] = {
        {"new\n", {}, {0, Old::Untouched, "new\n", 1}},
        {"old\n", {}, {0, Old::Untouched, "old\n", 0}},
        {"new\n", {kBroken}, {5, Old::Untouched, "old\n", 0}},
        {"new\n", {std::nullopt, kNoSpace}, {28, Old::WrittenBack, "old\n", 2}},
        {"new\n", {std::nullopt, kNoSpace, kBroken}, {28, Old::Lost, "ol", 2}},
    };
    for (const auto& c : cases) {
        FakeOpenFile file(c.failures);
        const FileError error = writeInPlace(file, c.content).value_or(FileError{});
        EXPECT_EQ(After(error.systemCode, error.oldContent, file.bytes, file.writes), c.after) << "case " << &c - cases;
    }
}

}  // namespace
}  // namespace dirnal
