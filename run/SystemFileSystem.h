// The file system of the platform the program is built for.
#pragma once

#include "run/FileSystem.h"

#include <memory>

namespace quillon::run {

// CMake builds one definition: the POSIX file system, or the Windows one on Windows.
std::unique_ptr<FileSystem> makeSystemFileSystem();

} // namespace quillon::run
