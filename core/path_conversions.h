#pragma once

#include <functional>
#include <string>

#include "core/path_list.h"
#include "core/path_style.h"

namespace dirnal {

// Turns one path into another (a drive path into its network form, a long
// name into its short form, ...).
using PathConverter = std::function<std::string(const std::string&)>;
using DirectoryTest = std::function<bool(const std::string&)>;

// Removes one trailing separator, if there is one.
std::string withoutOneTrailingSeparator(std::string text, PathStyle style);

// Rewrite every entry, then the start position, through the drive-to-share
// conversion (ConvertToUNC) or the share-to-drive conversion (ConvertToDir),
// removing one trailing separator from each result. Count and order of the
// entries stay. The POSIX root "/" stays as it is.
void ConvertToUNC(PathList& list, std::string& startPosition, const PathConverter& driveToUNC, PathStyle style);
void ConvertToDir(PathList& list, std::string& startPosition, const PathConverter& uncToDrive, PathStyle style);

// A quoted entry has two or more characters, the first and the last a
// double quote. StripQuotes takes one pair of quotes off every quoted
// entry; ToggleQuotes takes them off a quoted entry and puts them around
// every other non-empty one.
bool isQuoted(const std::string& entry);
void StripQuotes(PathList& list);
void ToggleQuotes(PathList& list);

// Replace every entry that is an existing directory by its short (long)
// name. An entry the platform gives no name for stays as it is.
void ConvertToShortNames(PathList& list, const DirectoryTest& dirExists, const PathConverter& shortName);
void ConvertToLongNames(PathList& list, const DirectoryTest& dirExists, const PathConverter& longName);

// Makes every entry below the start position relative to it: the start
// position and the separator after it are cut off (case-sensitive), and
// nothing is put in their place. Other entries stay as they are.
void Relativ(PathList& list, const std::string& startPosition, PathStyle style);

}  // namespace dirnal
