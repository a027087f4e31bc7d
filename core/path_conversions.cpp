#include "core/path_conversions.h"

namespace dirnal {

namespace {

std::string convertOne(const std::string& text, const PathConverter& convert, PathStyle style)
{
    // The POSIX root has no other form, and without its separator it would
    // be no path at all.
    if (style == PathStyle::Posix && text == "/")
        return text;
    return withoutOneTrailingSeparator(convert(text), style);
}

void convertListAndStart(PathList& list, std::string& startPosition, const PathConverter& convert,
                         PathStyle style)
{
    const int count = list.count();
    for (int i = 0; i < count; ++i)
        list.replaceEntry(i, convertOne(list.entryAt(i), convert, style));
    startPosition = convertOne(startPosition, convert, style);
}

void convertExistingDirectories(PathList& list, const DirectoryTest& dirExists, const PathConverter& name)
{
    const int count = list.count();
    for (int i = 0; i < count; ++i) {
        const std::string& entry = list.entryAt(i);
        if (!dirExists(entry))
            continue;
        std::string converted = name(entry);
        if (!converted.empty())
            list.replaceEntry(i, std::move(converted));
    }
}

}  // namespace

std::string withoutOneTrailingSeparator(std::string text, PathStyle style)
{
    if (!text.empty() && text.back() == separatorOf(style))
        text.pop_back();
    return text;
}

void ConvertToUNC(PathList& list, std::string& startPosition, const PathConverter& driveToUNC, PathStyle style)
{
    convertListAndStart(list, startPosition, driveToUNC, style);
}

void ConvertToDir(PathList& list, std::string& startPosition, const PathConverter& uncToDrive, PathStyle style)
{
    convertListAndStart(list, startPosition, uncToDrive, style);
}

bool isQuoted(const std::string& entry)
{
    return entry.size() >= 2 && entry.front() == '"' && entry.back() == '"';
}

void StripQuotes(PathList& list)
{
    const int count = list.count();
    for (int i = 0; i < count; ++i) {
        const std::string& entry = list.entryAt(i);
        if (isQuoted(entry))
            list.replaceEntry(i, entry.substr(1, entry.size() - 2));
    }
}

void ToggleQuotes(PathList& list)
{
    const int count = list.count();
    for (int i = 0; i < count; ++i) {
        const std::string& entry = list.entryAt(i);
        if (entry.empty())
            continue;
        list.replaceEntry(i, isQuoted(entry) ? entry.substr(1, entry.size() - 2) : '"' + entry + '"');
    }
}

void ConvertToShortNames(PathList& list, const DirectoryTest& dirExists, const PathConverter& shortName)
{
    convertExistingDirectories(list, dirExists, shortName);
}

void ConvertToLongNames(PathList& list, const DirectoryTest& dirExists, const PathConverter& longName)
{
    convertExistingDirectories(list, dirExists, longName);
}

void Relativ(PathList& list, const std::string& startPosition, PathStyle style)
{
    const char separator = separatorOf(style);
    std::string prefix = startPosition;
    if (prefix.empty() || prefix.back() != separator)
        prefix.push_back(separator);
    const int count = list.count();
    for (int i = 0; i < count; ++i) {
        const std::string& entry = list.entryAt(i);
        if (entry.starts_with(prefix))
            list.replaceEntry(i, entry.substr(prefix.size()));
    }
}

}  // namespace dirnal
