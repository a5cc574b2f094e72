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
};

} // namespace quillon::run
