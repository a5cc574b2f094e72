// The real file system, but without waiting for the disk: for the fuzz target, whose thousands of runs would
// otherwise spend their time in fsync. Nothing a run can see changes.
#pragma once

#include "run/SystemFileSystem.h"

namespace quillon::tests {

class UnsyncedFileSystem : public run::FileSystem
{
public:
    std::unique_ptr<run::InputFile> openForReading(const std::string& path) override
    {
        return m_real->openForReading(path);
    }
    bool exists(const std::string& path) override { return m_real->exists(path); }
    bool remove(const std::string& path) override { return m_real->remove(path); }
    std::unique_ptr<run::OutputFile> createForWriting(const std::string& path) override
    {
        auto file = m_real->createForWriting(path);
        return file ? std::make_unique<Output>(std::move(file)) : nullptr;
    }
    bool canReplace(const std::string& path) override { return m_real->canReplace(path); }
    bool replace(const std::string& from, const std::string& to) override { return m_real->replace(from, to); }
    bool syncFolder(const std::string&) override { return true; }
    bool sameFile(const std::string& a, const std::string& b) override { return m_real->sameFile(a, b); }
    bool removeIfAbandoned(const std::string& path) override { return m_real->removeIfAbandoned(path); }
    bool isReadOnly(const std::string& path) override { return m_real->isReadOnly(path); }

private:
    class Output : public run::OutputFile
    {
    public:
        explicit Output(std::unique_ptr<run::OutputFile> real)
            : m_real(std::move(real))
        {
        }
        bool write(std::string_view bytes) override { return m_real->write(bytes); }
        bool sync() override { return true; }
        bool close() override { return m_real->close(); }

    private:
        std::unique_ptr<run::OutputFile> m_real;
    };

    std::unique_ptr<run::FileSystem> m_real = run::makeSystemFileSystem();
};

} // namespace quillon::tests
