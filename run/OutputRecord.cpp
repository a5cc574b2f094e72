// Reading, checking and writing the record of the outputs.
#include "run/OutputRecord.h"

#include "run/LineWriter.h"
#include "run/RunInput.h"

#include <charconv>
#include <vector>

namespace quillon::run {

namespace {

constexpr std::string_view kHeading = "Quillon's record of the files it wrote here, to tell whether one was changed "
                                      "since. Deleting it loses nothing.";

// "12345 00000000075bcd15 log.adi": the name last, as it may hold blanks.
bool parseEntry(std::string_view line, std::string& name, std::uint64_t& size, std::uint64_t& digest)
{
    const std::size_t first = line.find(' ');
    const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
    if (second == std::string_view::npos || second + 1 >= line.size() || second - first != 17) {
        return false;
    }
    const char* end = line.data() + first;
    const bool sized = std::from_chars(line.data(), end, size).ptr == end;
    const bool hashed = std::from_chars(end + 1, line.data() + second, digest, 16).ptr == line.data() + second;
    name = line.substr(second + 1);
    return sized && hashed;
}

std::string readSmallFile(FileSystem& files, const std::string& path)
{
    std::string text;
    const auto input = files.openForReading(path);
    char buffer[4096];
    for (long count = 0; input && (count = input->read(buffer, sizeof buffer)) > 0 && text.size() < (1 << 20);) {
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return text;
}

} // namespace

OutputRecord OutputRecord::load(FileSystem& files, const std::string& folder)
{
    return fromText(readSmallFile(files, pathIn(folder, kFileName)));
}

OutputRecord OutputRecord::fromText(std::string_view text)
{
    OutputRecord record;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        std::string name;
        Entry entry;
        if (parseEntry(line, name, entry.size, entry.digest)) {
            record.m_entries[name] = entry;
        }
    }
    return record;
}

bool OutputRecord::vouchesFor(FileSystem& files, const std::string& name, const std::string& path) const
{
    const auto found = m_entries.find(name);
    ContentHash hash;
    return found != m_entries.end() && hashOfFile(files, path, found->second.size, hash) &&
           hash.size() == found->second.size && hash.digest() == found->second.digest;
}

void OutputRecord::set(const std::string& name, const ContentHash& written)
{
    m_entries[name] = {written.size(), written.digest()};
}

std::vector<std::string> OutputRecord::lines() const
{
    std::vector<std::string> lines{std::string(kHeading)};
    for (const auto& [name, entry] : m_entries) {
        lines.push_back(std::to_string(entry.size) + " " + hexText(entry.digest) + " " + name);
    }
    return lines;
}

// The lines go out through the one writer that ends lines.
bool OutputRecord::save(FileSystem& files, const std::string& folder) const
{
    const std::string path = pathIn(folder, kFileName);
    const std::string temporary = path + ".~quillon-new";
    if (files.exists(temporary)) {
        files.remove(temporary); // left by a run that was killed
    }
    auto file = files.createForWriting(temporary);
    if (!file) {
        return false;
    }
    bool written = true;
    {
        LineWriter writer(std::move(file), 4096);
        for (const std::string& line : lines()) {
            written = written && writer.writeLine(line);
        }
        written = written && writer.sync() && writer.close();
    }
    if (!written || !files.replace(temporary, path)) {
        files.remove(temporary);
        return false;
    }
    return true;
}

bool hashOfFile(FileSystem& files, const std::string& path, std::uint64_t sizeLimit, ContentHash& hash)
{
    const auto input = files.openForReading(path);
    if (!input) {
        return false;
    }
    std::vector<char> buffer(256 * 1024);
    long count = 0;
    while (hash.size() <= sizeLimit && (count = input->read(buffer.data(), buffer.size())) > 0) {
        hash.add({buffer.data(), static_cast<std::size_t>(count)});
    }
    return count >= 0;
}

} // namespace quillon::run
