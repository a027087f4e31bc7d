#include "core/recovery_copy.h"

#include <cstdint>

namespace dirnal {

namespace {

constexpr std::string_view kMark = ".dirnal-recovery-";
constexpr std::size_t kFingerprintLength = 16;

// FNV-1a: enough to tell a file's content from what else it could hold
// after a cut-off write, and to give a path a short name.
std::string fingerprintOf(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211u;
    }
    std::string hex(kFingerprintLength, '0');
    for (std::size_t i = kFingerprintLength; i-- > 0; hash >>= 4)
        hex[i] = "0123456789abcdef"[hash & 15];
    return hex;
}

}  // namespace

RecoveryCopy::RecoveryCopy(RecoveryFiles& files, const std::string& file, PathStyle style)
    : files_(files), file_(file), style_(style)
{
}

// Beside the file first, then in the state folder, where the name tells
// which file the copy belongs to. The copy's full name adds the
// fingerprint of the content the save was to write.
std::vector<RecoveryCopy::Place> RecoveryCopy::places()
{
    const std::string path = files_.finalPath(file_);
    const std::size_t separator =
        style_ == PathStyle::Windows ? path.find_last_of("\\/") : path.find_last_of(separatorOf(style_));
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    std::string directory = separator == std::string::npos ? std::string(".") : path.substr(0, separator);
    if (directory.empty() || (style_ == PathStyle::Windows && directory.ends_with(':')))
        directory += separatorOf(style_);
    std::vector<Place> places{{directory, "." + name + std::string(kMark)}};
    if (const auto state = files_.stateDirectory(false))
        places.push_back({*state, name + "." + fingerprintOf(path) + std::string(kMark)});
    return places;
}

std::optional<InterruptedSave> RecoveryCopy::findInterrupted()
{
    std::optional<FileContent> current;
    for (const Place& place : places()) {
        const std::size_t fingerprintAt = joinPath(place.directory, place.prefix, style_).size();
        for (const std::string& copy : files_.ownFilesStartingWith(place.directory, place.prefix)) {
            const FileContent old = files_.readWhole(copy);
            if (old.error)
                continue;
            if (!current)
                current = files_.readWhole(file_);
            const bool whole = !current->error && (current->bytes == old.bytes ||
                                                   copy.substr(fingerprintAt) == fingerprintOf(current->bytes));
            if (!whole)
                return InterruptedSave{file_, copy};
            files_.remove(copy);
        }
    }
    return std::nullopt;
}

std::optional<FileError> RecoveryCopy::keep(std::string_view old, std::string_view next)
{
    // The content before an interrupted save stays what a failure gives back.
    std::string bytes(old);
    std::string earlier;
    if (const auto interrupted = findInterrupted()) {
        FileContent copy = files_.readWhole(interrupted->copy);
        if (!copy.error) {
            bytes = std::move(copy.bytes);
            earlier = interrupted->copy;
        }
    }
    reused_ = !earlier.empty();
    std::optional<FileError> error = refusal(FileError::Kind::FolderNotWritable);
    const std::vector<Place> candidates = places();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Place& place = candidates[i];
        if (i == 0 && !files_.canCreateFileIn(place.directory))
            continue;
        if (i == 1 && !files_.stateDirectory(true))
            continue;
        const std::string copy = joinPath(place.directory, place.prefix + fingerprintOf(next), style_);
        if (copy != earlier)
            error = files_.writeDurably(copy, bytes);
        if (copy == earlier || !error) {
            if (!earlier.empty() && copy != earlier)
                files_.remove(earlier);
            kept_ = copy;
            return std::nullopt;
        }
    }
    return error;
}

void RecoveryCopy::drop()
{
    if (!kept_.empty())
        files_.remove(kept_);
    kept_.clear();
}

void RecoveryCopy::oldContentBack()
{
    // The file holds again what it held before this save; a copy kept
    // from an interrupted one is still needed.
    if (!reused_)
        drop();
}

void RecoveryCopy::discard()
{
    for (const Place& place : places())
        for (const std::string& copy : files_.ownFilesStartingWith(place.directory, place.prefix))
            files_.remove(copy);
}

}  // namespace dirnal
