// The record a run keeps beside its outputs of what it wrote (each file's size and fingerprint), so that the next
// run can tell an output the user has changed since from one it may replace.
#pragma once

#include "run/ContentHash.h"
#include "run/FileSystem.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quillon::run {

// The file ".quillon-outputs" in the log folder, a line for each output: its size, its fingerprint and its name.
// Losing it loses nothing: an output that the record does not vouch for is kept, never replaced.
class OutputRecord
{
public:
    static constexpr std::string_view kFileName = ".quillon-outputs";

    // What the record in the folder holds; empty when there is none or it cannot be read. Lines it does not
    // understand are passed over.
    static OutputRecord load(FileSystem& files, const std::string& folder);

    // True when the record holds the output of that name.
    bool knows(const std::string& name) const { return m_entries.count(name) != 0; }
    // True when the file at `path` is byte for byte what the record says was written under `name`.
    bool vouchesFor(FileSystem& files, const std::string& name, const std::string& path) const;

    void set(const std::string& name, const ContentHash& written);
    // Writes the record beside the outputs under a temporary name and puts it in place of the old one. False,
    // with the file system's reason, when it could not; the next run then keeps the outputs it cannot vouch for.
    bool save(FileSystem& files, const std::string& folder) const;

    // The record's lines: one saying what the file is, then one for each output.
    std::vector<std::string> lines() const;
    static OutputRecord fromText(std::string_view text);

private:
    struct Entry {
        std::uint64_t size = 0;
        std::uint64_t digest = 0;
    };
    std::map<std::string, Entry> m_entries;
};

// The fingerprint of the file's bytes, read to the end, or to a byte beyond `sizeLimit`; false when it cannot be
// read.
bool hashOfFile(FileSystem& files, const std::string& path, std::uint64_t sizeLimit, ContentHash& hash);

} // namespace quillon::run
