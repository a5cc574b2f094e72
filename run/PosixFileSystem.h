// The run's file operations on a POSIX system, with plain file descriptors.
#pragma once

#include "run/FileSystem.h"

namespace quillon::run {

class PosixFileSystem : public FileSystem
{
public:
    std::unique_ptr<InputFile> openForReading(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    std::unique_ptr<OutputFile> createForWriting(const std::string& path) override;
    bool canReplace(const std::string& path) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool syncFolder(const std::string& folder) override;
    bool sameFile(const std::string& a, const std::string& b) override;
    bool removeIfAbandoned(const std::string& path) override;

private:
    bool failed(int error);
};

} // namespace quillon::run
