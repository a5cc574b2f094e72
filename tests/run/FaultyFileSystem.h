// The real file system with failures injected by file name: a remove, a create, a write, a close or a read.
#pragma once

#include "run/SystemFileSystem.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace quillon::tests {

class FaultyFileSystem : public run::FileSystem
{
public:
    bool inputUnreadable = false;                   // log.asc exists but cannot be opened
    std::set<std::string> failRemove;               // file names whose removal fails
    std::set<std::string> failCreate;               // file names that cannot be created
    std::map<std::string, std::size_t> writeLimit;  // file name -> bytes it takes before the disk is full
    std::set<std::string> failClose;                // file names whose close fails
    std::size_t inputReadLimit = std::string::npos; // bytes of log.asc readable before a read error
    int openFiles = 0;

    std::unique_ptr<run::InputFile> openForReading(const std::string& path) override
    {
        auto file = inputUnreadable ? nullptr : m_real->openForReading(path);
        if (!file) {
            return nullptr;
        }
        return std::make_unique<Input>(std::move(file), inputReadLimit, openFiles);
    }
    bool exists(const std::string& path) override { return m_real->exists(path); }
    bool remove(const std::string& path) override { return !failRemove.count(nameOf(path)) && m_real->remove(path); }
    std::unique_ptr<run::OutputFile> createForWriting(const std::string& path) override
    {
        const std::string name = nameOf(path);
        if (failCreate.count(name)) {
            return nullptr;
        }
        auto file = m_real->createForWriting(path);
        if (!file) {
            return nullptr;
        }
        const auto limit = writeLimit.count(name) ? writeLimit[name] : std::string::npos;
        return std::make_unique<Output>(std::move(file), limit, failClose.count(name) > 0, openFiles);
    }

private:
    static std::string nameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

    class Input : public run::InputFile
    {
    public:
        Input(std::unique_ptr<run::InputFile> real, std::size_t limit, int& openFiles)
            : m_real(std::move(real))
            , m_left(limit)
            , m_openFiles(openFiles)
        {
            ++m_openFiles;
        }
        ~Input() override { close(); }
        long read(char* buffer, std::size_t size) override
        {
            if (m_left == 0) {
                return -1;
            }
            const long count = m_real->read(buffer, std::min(size, m_left));
            m_left -= m_left == std::string::npos ? 0 : static_cast<std::size_t>(std::max(count, 0L));
            return count;
        }
        void close() override
        {
            if (m_open) {
                m_real->close();
                m_open = false;
                --m_openFiles;
            }
        }

    private:
        std::unique_ptr<run::InputFile> m_real;
        std::size_t m_left;
        int& m_openFiles;
        bool m_open = true;
    };

    class Output : public run::OutputFile
    {
    public:
        Output(std::unique_ptr<run::OutputFile> real, std::size_t limit, bool failClose, int& openFiles)
            : m_real(std::move(real))
            , m_left(limit)
            , m_failClose(failClose)
            , m_openFiles(openFiles)
        {
            ++m_openFiles;
        }
        ~Output() override { close(); }
        // Like a full disk: once the bytes do not fit, the write fails and leaves the file as it was.
        bool write(std::string_view bytes) override
        {
            if (bytes.size() > m_left) {
                m_left = 0;
                return false;
            }
            m_left -= m_left == std::string::npos ? 0 : bytes.size();
            return m_real->write(bytes);
        }
        bool close() override
        {
            if (!m_open) {
                return true;
            }
            m_open = false;
            --m_openFiles;
            return m_real->close() && !m_failClose;
        }

    private:
        std::unique_ptr<run::OutputFile> m_real;
        std::size_t m_left;
        bool m_failClose;
        int& m_openFiles;
        bool m_open = true;
    };

    std::unique_ptr<run::FileSystem> m_real = run::makeSystemFileSystem();
};

} // namespace quillon::tests
