// A conversion run wired to the system's own file system, clock and locale names: how the windows and the command
// line make theirs.
#pragma once

#include "run/Clock.h"
#include "run/ConversionRun.h"
#include "run/LocaleNames.h"
#include "run/SystemFileSystem.h"

#include <memory>

namespace quillon::run {

class SystemRun
{
public:
    explicit SystemRun(RunHost& host, RunSizes sizes = {});
    SystemRun(const SystemRun&) = delete;
    SystemRun& operator=(const SystemRun&) = delete;

    ConversionRun& conversion() { return m_conversion; }
    const ConversionRun& conversion() const { return m_conversion; }
    FileSystem& files() { return *m_files; }

private:
    std::unique_ptr<FileSystem> m_files;
    SystemClock m_clock;
    LocaleNames m_names;
    ConversionRun m_conversion;
};

} // namespace quillon::run
