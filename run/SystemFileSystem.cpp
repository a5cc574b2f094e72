// Off Windows the system's files are reached through POSIX calls; WindowsFileSystem.cpp makes the Windows choice.
#include "run/SystemFileSystem.h"

#include "run/PosixFileSystem.h"

namespace quillon::run {

std::unique_ptr<FileSystem> makeSystemFileSystem()
{
    return std::make_unique<PosixFileSystem>();
}

} // namespace quillon::run
