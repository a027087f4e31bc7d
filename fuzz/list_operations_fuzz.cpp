// Random sequences of list operations, with the list's invariants checked
// after each: the count stays within 0..32,767, rewriting in place keeps
// the count, DeleteDouble is idempotent, Leerz leaves no empty entry, and
// ToggleQuotes twice restores every entry but doubly quoted ones; and a
// copy kept up to date only from the changes the list notes is the list.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <map>
#include <string>

#include "core/delete_double.h"
#include "core/list_editing.h"
#include "core/network_shares.h"
#include "core/path_conversions.h"
#include "fuzz/check.h"

namespace {

using dirnal::PathList;

// A and C local, X on \\srv\data, Y on \\srv\data\sub.
class FakeDrives final : public dirnal::DriveTable {
public:
    std::vector<std::string> driveRoots() const override { return {"A:\\", "C:\\", "X:\\", "Y:\\"}; }
    std::optional<std::string> remoteName(const std::string& localName) const override
    {
        if (localName == "X:" || localName == "x:")
            return "\\\\srv\\data";
        if (localName == "Y:" || localName == "y:")
            return "\\\\srv\\data\\sub";
        return std::nullopt;
    }
};

std::string pathText(FuzzedDataProvider& input)
{
    static const char* const pieces[] = {"C:\\", "X:\\proj", "\\\\srv\\data\\", "\"", "mapkey ", "work",
                                         "\\",   "/",        "a",               "",   "\\\\SRV\\Data"};
    std::string text;
    const int parts = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < parts; ++i) {
        if (input.ConsumeBool())
            text += pieces[input.ConsumeIntegralInRange<std::size_t>(0, std::size(pieces) - 1)];
        else
            text += input.ConsumeRandomLengthString(12);
    }
    return text;
}

// What a front end shows: brought up to date from the noted changes alone.
struct Shown {
    std::vector<std::string> entries;
    std::vector<bool> selected;
    int current = -1;

    void follow(PathList& list)
    {
        using Kind = dirnal::ListChange::Kind;
        for (const dirnal::ListChange& change : list.takeChanges()) {
            const bool whole = change.kind == Kind::Rebuilt;
            if (whole || change.kind == Kind::Appended) {
                entries.resize(static_cast<std::size_t>(list.count()));
                selected.resize(entries.size());
            }
            const int first = whole ? 0 : change.first;
            const int last = whole ? list.count() - 1 : change.last;
            check(first >= 0 && last < list.count());
            for (int i = first; i <= last; ++i) {
                const auto at = static_cast<std::size_t>(i);
                if (whole || change.kind == Kind::Rewritten || change.kind == Kind::Appended)
                    entries[at] = list.entryAt(i);
                if (whole || change.kind == Kind::Selection)
                    selected[at] = list.isSelected(i);
            }
            if (whole || change.kind == Kind::Current)
                current = list.currentIndex();
        }
        check(entries == list.entries() && current == list.currentIndex());
        for (int i = 0; i < list.count(); ++i)
            check(selected[static_cast<std::size_t>(i)] == list.isSelected(i));
    }
};

int anyIndex(FuzzedDataProvider& input, const PathList& list)
{
    return input.ConsumeIntegralInRange(0, list.count() - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const FakeDrives drives;
    const auto style = input.ConsumeBool() ? dirnal::PathStyle::Windows : dirnal::PathStyle::Posix;
    std::string start = pathText(input);
    PathList list;
    Shown shown;
    bool filled = false;

    for (int step = 0; step < 48 && input.remaining_bytes() > 0; ++step) {
        const int before = list.count();
        bool inPlace = false;
        switch (input.ConsumeIntegralInRange(0, 14)) {
        case 0: {
            const bool taken = list.append(pathText(input));
            check(taken == (before < PathList::kMaxEntries));
            break;
        }
        case 1: {
            // Now and then many entries at once, to reach the limit; large
            // lists make every step slow, so mostly a few.
            const bool many = !filled && input.ConsumeIntegralInRange(0, 63) == 0;
            filled = filled || many;
            const int copies = many ? input.ConsumeIntegralInRange(32000, 33000) : input.ConsumeIntegralInRange(0, 20);
            const std::string text = pathText(input);
            for (int i = 0; i < copies && list.append(text); ++i) {
            }
            break;
        }
        case 2:
            if (before > 0)
                list.replaceEntry(anyIndex(input, list), pathText(input));
            inPlace = true;
            break;
        case 3:
            if (before > 0)
                list.setSelected(anyIndex(input, list), input.ConsumeBool());
            inPlace = true;
            break;
        case 4: {
            const int first = dirnal::thisnot(list, input.ConsumeRandomLengthString(6));
            check(first >= -1 && first < list.count());
            inPlace = true;
            break;
        }
        case 5:
            dirnal::blankSelected(list);
            inPlace = true;
            break;
        case 6:
            dirnal::Leerz(list);
            for (const std::string& entry : list.entries())
                check(!entry.empty());
            for (int i = 0; i < list.count(); ++i)
                check(!list.isSelected(i));
            check(list.currentIndex() == -1);
            break;
        case 7: {
            dirnal::DeleteDouble(list);
            const std::vector<std::string> once = list.entries();
            dirnal::DeleteDouble(list);
            check(list.entries() == once);
            break;
        }
        case 8: {
            // Twice restores every entry, except one whose text between its
            // quotes is quoted or empty again: the second run takes those
            // quotes off too, as it takes them off every quoted entry.
            const std::vector<std::string> original = list.entries();
            dirnal::ToggleQuotes(list);
            dirnal::ToggleQuotes(list);
            for (std::size_t i = 0; i < original.size(); ++i) {
                const std::string& entry = original[i];
                const std::string inner = dirnal::isQuoted(entry) ? entry.substr(1, entry.size() - 2) : "";
                const bool nested = dirnal::isQuoted(entry) && (inner.empty() || dirnal::isQuoted(inner));
                if (!nested)
                    check(list.entries()[i] == entry);
            }
            inPlace = true;
            break;
        }
        case 9:
            dirnal::ToggleQuotes(list);
            inPlace = true;
            break;
        case 10:
            dirnal::StripQuotes(list);
            inPlace = true;
            break;
        case 11:
            dirnal::Relativ(list, start, style);
            inPlace = true;
            break;
        case 12:
            dirnal::ConvertToUNC(list, start,
                                 [&](const std::string& p) { return dirnal::DriveToUNC(p, drives, style); }, style);
            inPlace = true;
            break;
        case 13:
            dirnal::ConvertToDir(list, start,
                                 [&](const std::string& p) { return dirnal::UNCToDrive(p, drives, style); }, style);
            inPlace = true;
            break;
        default:
            if (before > 0 && input.ConsumeBool())
                list.setCurrentIndex(anyIndex(input, list));
            else
                list.clear();
            break;
        }
        check(list.count() >= 0 && list.count() <= PathList::kMaxEntries);
        check(static_cast<std::size_t>(list.count()) == list.entries().size());
        if (inPlace)
            check(list.count() == before);
        check(list.currentIndex() >= -1 && list.currentIndex() < list.count());
        shown.follow(list);
    }
    return 0;
}
