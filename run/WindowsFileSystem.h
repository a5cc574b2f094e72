// The run's file operations on Windows, with Win32 handles and UTF-16 paths.
#pragma once

#include "run/FileSystem.h"

namespace quillon::run {

class WindowsFileSystem : public FileSystem
{
public:
    std::unique_ptr<InputFile> openForReading(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    std::unique_ptr<OutputFile> createForWriting(const std::string& path) override;
    bool canReplace(const std::string& path) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool syncFolder(const std::string&) override { return true; }
    bool sameFile(const std::string& a, const std::string& b) override;
    bool removeIfAbandoned(const std::string& path) override;
    bool isReadOnly(const std::string& path) override;

private:
    bool failed();
};

} // namespace quillon::run
