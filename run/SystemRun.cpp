// The system's own services for a conversion run.
#include "run/SystemRun.h"

namespace quillon::run {

SystemRun::SystemRun(RunHost& host, RunSizes sizes)
    : m_files(makeSystemFileSystem())
    , m_names(LocaleNames::fromLocale())
    , m_conversion(host, *m_files, m_clock, m_names, sizes)
{
}

} // namespace quillon::run
