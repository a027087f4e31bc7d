#include <gtest/gtest.h>

#include <vector>

#include "core/in_place_write.h"

namespace dirnal {
namespace {

using Old = FileError::OldContent;
using Failures = std::vector<std::optional<FileError>>;  // the read's, then each overwrite's in turn
const FileError kNoSpace{FileError::Kind::NoSpace, 28}, kBroken{FileError::Kind::InputOutput, 5};

// A file in memory whose calls fail as planned; a failed overwrite leaves
// half of what it was to write.
struct FakeOpenFile final : OpenFile {
    std::optional<FileError> failure(std::size_t call) const
    {
        return call < failures.size() ? failures[call] : std::nullopt;
    }
    FileContent readWhole() override { return {bytes, failure(0)}; }
    std::optional<FileError> overwrite(std::string_view content) override
    {
        const auto failed = failure(++writes);
        bytes = failed ? content.substr(0, content.size() / 2) : content;
        return failed;
    }
    std::string bytes = "old\n";
    Failures failures;
    std::size_t writes = 0;
};

TEST(WriteInPlace, PutsTheOldContentBackWhenTheWriteFailsAndSaysWhetherThatWorked)
{
    const struct {
        std::string content;
        Failures failures;
        int errorCode;  // 0: saved
        Old oldContent;
        std::string after;
        std::size_t writes;
    } cases[] = {
        {"new\n", {}, 0, Old::Untouched, "new\n", 1},
        {"old\n", {}, 0, Old::Untouched, "old\n", 0},
        {"new\n", {kBroken}, 5, Old::Untouched, "old\n", 0},
        {"new\n", {std::nullopt, kNoSpace}, 28, Old::WrittenBack, "old\n", 2},
        {"new\n", {std::nullopt, kNoSpace, kBroken}, 28, Old::Lost, "ol", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        FakeOpenFile file;
        file.failures = c.failures;
        const auto error = writeInPlace(file, c.content);
        EXPECT_EQ(error ? error->systemCode : 0, c.errorCode);
        EXPECT_EQ(error ? error->oldContent : Old::Untouched, c.oldContent);
        EXPECT_EQ(file.bytes, c.after);
        EXPECT_EQ(file.writes, c.writes);
    }
}

}  // namespace
}  // namespace dirnal
