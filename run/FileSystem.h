// The file operations of a run, behind an interface so tests can make them fail.
#pragma once

#include "engine/ByteSource.h"

#include <memory>
#include <string>
#include <string_view>

namespace quillon::run {

class InputFile : public engine::ByteSource
{
public:
    virtual void close() = 0;
};

class OutputFile
{
public:
    virtual ~OutputFile() = default;
    // Writes all the bytes, or returns false and leaves the file as it was before the call.
    virtual bool write(std::string_view bytes) = 0;
    // Returns false when the file could not be closed cleanly (its data may be lost).
    virtual bool close() = 0;
};

class FileSystem
{
public:
    virtual ~FileSystem() = default;
    // Null when the file is missing, is not a regular file (a folder, a FIFO, a device), or cannot be read. Never
    // waits for a writer or a device.
    virtual std::unique_ptr<InputFile> openForReading(const std::string& path) = 0;
    // True when anything at all stands at that path, a dangling link included.
    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    // Creates a new empty file; null when it cannot be created or something already stands at that path.
    virtual std::unique_ptr<OutputFile> createForWriting(const std::string& path) = 0;
};

} // namespace quillon::run
