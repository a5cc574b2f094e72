// The real file system with failures injected by file name: a create, a write, a sync, a close, a replace, a
// remove or a read. An output's temporary counts under its final name (log.adi.~quillon-1a2b3c4d as log.adi).
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
    std::set<std::string> failSync;                 // file names whose sync fails
    std::set<std::string> failClose;                // file names whose close fails
    std::set<std::string> failReplace;              // file names that cannot be put in place
    std::size_t inputReadLimit = std::string::npos; // bytes of log.asc readable before a read error
    int openFiles = 0;

    std::unique_ptr<run::InputFile> openForReading(const std::string& path) override
    {
        auto file = inputUnreadable ? nullptr : m_real->openForReading(path);
        if (!file) {
            failed(inputUnreadable ? "Permission denied" : m_real->failureReason().c_str());
            return nullptr;
        }
        return std::make_unique<Input>(std::move(file), inputReadLimit, openFiles);
    }
    bool exists(const std::string& path) override { return m_real->exists(path); }
    bool remove(const std::string& path) override
    {
        return (!failRemove.count(nameOf(path)) || failed("Read-only file system")) &&
               (m_real->remove(path) || failedAs(*m_real));
    }
    std::unique_ptr<run::OutputFile> createForWriting(const std::string& path) override
    {
        const std::string name = nameOf(path);
        if (failCreate.count(name)) {
            setFailureReason("Permission denied");
            return nullptr;
        }
        auto file = m_real->createForWriting(path);
        if (!file) {
            failedAs(*m_real);
            return nullptr;
        }
        const auto limit = writeLimit.count(name) ? writeLimit[name] : std::string::npos;
        return std::make_unique<Output>(std::move(file), limit, failSync.count(name) > 0, failClose.count(name) > 0,
                                        openFiles);
    }
    bool canReplace(const std::string& path) override { return m_real->canReplace(path) || failedAs(*m_real); }
    bool replace(const std::string& from, const std::string& to) override
    {
        return (!failReplace.count(nameOf(to)) || failed("Device or resource busy")) &&
               (m_real->replace(from, to) || failedAs(*m_real));
    }
    bool syncFolder(const std::string& folder) override { return m_real->syncFolder(folder) || failedAs(*m_real); }
    bool sameFile(const std::string& a, const std::string& b) override { return m_real->sameFile(a, b); }
    bool removeIfAbandoned(const std::string& path) override { return m_real->removeIfAbandoned(path); }
    bool isReadOnly(const std::string& path) override { return m_real->isReadOnly(path); }

private:
    static std::string nameOf(const std::string& path)
    {
        const std::string name = std::filesystem::path(path).filename().string();
        return name.substr(0, name.find(".~quillon-"));
    }
    bool failed(const char* reason)
    {
        setFailureReason(reason);
        return false;
    }
    bool failedAs(const run::FileSystem& real) { return failed(real.failureReason().c_str()); }

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
                setFailureReason("Input/output error");
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
        Output(std::unique_ptr<run::OutputFile> real, std::size_t limit, bool failSync, bool failClose, int& openFiles)
            : m_real(std::move(real))
            , m_left(limit)
            , m_failSync(failSync)
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
                setFailureReason("No space left on device");
                return false;
            }
            m_left -= m_left == std::string::npos ? 0 : bytes.size();
            return m_real->write(bytes);
        }
        bool sync() override { return (!m_failSync || failed("Input/output error")) && m_real->sync(); }
        bool close() override
        {
            if (!m_open) {
                return true;
            }
            m_open = false;
            --m_openFiles;
            return m_real->close() && (!m_failClose || failed("Input/output error"));
        }

    private:
        bool failed(const char* reason)
        {
            setFailureReason(reason);
            return false;
        }

        std::unique_ptr<run::OutputFile> m_real;
        std::size_t m_left;
        bool m_failSync;
        bool m_failClose;
        int& m_openFiles;
        bool m_open = true;
    };

    std::unique_ptr<run::FileSystem> m_real = run::makeSystemFileSystem();
};

} // namespace quillon::tests
