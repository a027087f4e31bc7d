// In-memory stand-ins for what a session talks to: the settings store, list files, drives and the user's answers.
#pragma once

#include <algorithm>
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/dialogs.h"
#include "core/drive_table.h"
#include "core/file_storage.h"
#include "core/settings_store.h"

namespace dirnal::testing {

// Settings, with the order in which keys were written.
struct MemorySettings final : SettingsStore {
    std::string read(const std::string& key, const std::string& fallback) const override
    {
        return values.contains(key) ? values.at(key) : fallback;
    }
    void write(const std::string& key, const std::string& value) override
    {
        values[key] = value;
        written.push_back(key);
    }
    std::optional<std::string> unusableFile() const override { return unusable; }
    std::map<std::string, std::string> values;
    std::vector<std::string> written;
    std::optional<std::string> unusable;
};

// List files, and recovery copies beside them (the state folder is /state).
// A path in `failing` cannot be written, fails as given there and keeps its
// old content; a missing file cannot be read.
struct MemoryFiles final : FileStorage, RecoveryFiles {
    // A read held by `holdReads` may outlive the session that gave it up.
    ~MemoryFiles() override
    {
        while (reading > 0)
            std::this_thread::yield();
    }
    FileContent read(const std::string& path, std::size_t maxBytes) const override
    {
        const struct Reading {
            std::atomic<int>& count;
            explicit Reading(std::atomic<int>& c) : count(c) { ++count; }
            ~Reading() { --count; }
        } inside(reading);
        if (holdReads)
            holdReads();
        const auto found = files.find(path);
        if (found == files.end())
            return {{}, FileError{FileError::Kind::NotFound, 2}};
        return {found->second.substr(0, maxBytes), std::nullopt, found->second.size() > maxBytes};
    }
    bool isFile(const std::string& path) const override { return files.contains(path); }
    std::optional<FileError> replace(const std::string& path, std::string_view content) override
    {
        if (holdWrites)
            holdWrites();
        if (const auto failure = failing.find(path); failure != failing.end())
            return failure->second;
        files[path] = std::string(content);
        return std::nullopt;
    }
    bool canCreateFileIn(const std::string& directory) const override { return !readOnly.contains(directory); }
    RecoveryFiles& recoveryFiles() override { return *this; }
    std::string finalPath(const std::string& path) const override { return path; }
    FileContent readWhole(const std::string& path) const override { return read(path, std::string::npos - 1); }
    std::optional<FileError> writeDurably(const std::string& path, std::string_view bytes) override
    {
        if (readOnly.contains(path.substr(0, path.rfind('/'))))
            return FileError{FileError::Kind::FolderNotWritable, 13};
        return replace(path, bytes);
    }
    void remove(const std::string& path) override { files.erase(path); }
    std::vector<std::string> ownFilesStartingWith(const std::string& directory,
                                                  const std::string& prefix) const override
    {
        std::vector<std::string> found;
        for (const auto& [path, bytes] : files)
            if (path.starts_with(directory + "/" + prefix))
                found.push_back(path);
        return found;
    }
    std::optional<std::string> stateDirectory(bool) override { return "/state"; }
    std::string executableDirectory() const override { return "/opt/dirnal"; }
    // With a code page, one that holds ASCII alone.
    std::optional<std::string> toListFileEncoding(std::string_view entry) const override
    {
        if (codePage && std::ranges::any_of(entry, [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            return std::nullopt;
        return std::string(entry);
    }
    std::string fromListFileEncoding(std::string_view bytes) const override { return std::string(bytes); }
    std::optional<unsigned> listFileCodePage() const override { return codePage; }
    std::optional<unsigned> codePage;
    std::map<std::string, std::string> files;
    std::map<std::string, FileError> failing;
    std::function<void()> holdWrites;  // a share whose writes wait
    std::function<void()> holdReads;   // ... or whose reads do
    mutable std::atomic<int> reading{0};
    std::set<std::string> readOnly;  // folders that take no new file (no copy either)
};

// Drives in the platform's order ("X:"), each with the share behind it ("" for a local drive).
struct FakeDrives final : DriveTable {
    explicit FakeDrives(std::vector<std::pair<std::string, std::string>> table) : drives(std::move(table)) {}
    std::vector<std::string> driveRoots() const override
    {
        std::vector<std::string> roots;
        for (const auto& drive : drives)
            roots.push_back(drive.first + "\\");
        return roots;
    }
    std::optional<std::string> remoteName(const std::string& localName) const override
    {
        for (const auto& [drive, share] : drives)
            if (drive == localName && !share.empty())
                return share;
        return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> drives;
};

// Answers questions from a script (No once it runs out) and records every text shown.
struct ScriptedDialogs final : Dialogs {
    bool askYesNo(const std::string& text) override
    {
        questions.push_back(text);
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void inform(const std::string& text) override { notices.push_back(text); }
    void reportError(const std::string& text) override { errors.push_back(text); }
    std::deque<bool> answers;
    std::vector<std::string> questions, notices, errors;
};

}  // namespace dirnal::testing
