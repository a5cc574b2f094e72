// Files kept in memory, for driving whole runs at fuzzing speed.
#pragma once

#include "run/FileSystem.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace quillon::tests {

class MemoryFileSystem : public run::FileSystem
{
public:
    std::map<std::string, std::string> files;

    std::unique_ptr<run::InputFile> openForReading(const std::string& path) override
    {
        const auto found = files.find(path);
        return found == files.end() ? nullptr : std::make_unique<Input>(found->second);
    }
    bool exists(const std::string& path) override { return files.count(path) > 0; }
    bool remove(const std::string& path) override { return files.erase(path) > 0; }
    std::unique_ptr<run::OutputFile> createForWriting(const std::string& path) override
    {
        if (files.count(path) > 0) {
            return nullptr;
        }
        return std::make_unique<Output>(files[path]);
    }

private:
    class Input : public run::InputFile
    {
    public:
        explicit Input(std::string_view bytes)
            : m_bytes(bytes)
        {
        }
        long read(char* buffer, std::size_t size) override
        {
            const std::size_t count = std::min(size, m_bytes.size());
            std::memcpy(buffer, m_bytes.data(), count);
            m_bytes.remove_prefix(count);
            return static_cast<long>(count);
        }
        void close() override {}

    private:
        std::string_view m_bytes;
    };

    class Output : public run::OutputFile
    {
    public:
        explicit Output(std::string& target)
            : m_target(target)
        {
        }
        bool write(std::string_view bytes) override
        {
            m_target += bytes;
            return true;
        }
        bool close() override { return true; }

    private:
        std::string& m_target;
    };
};

} // namespace quillon::tests
