// Console stand-ins for the window: the caption, the folder, messages and a throttled progress line.
#include "cli/ConsoleHost.h"

#include "engine/ProgramInfo.h"

#include <filesystem>

namespace quillon::cli {

namespace {

// The clock is looked at once every this many records, and the line redrawn at most this often.
constexpr std::int64_t kRecordsBetweenClockChecks = 4096;
constexpr auto kRedrawInterval = std::chrono::milliseconds(250);

} // namespace

ConsoleHost::ConsoleHost(const ConvertOptions& options, std::FILE* errors, bool showProgress)
    : m_options(options)
    , m_folder(std::filesystem::absolute(options.folder).lexically_normal().string())
    , m_errors(errors)
    , m_showProgress(showProgress)
    , m_lastDrawn(std::chrono::steady_clock::now())
{
    if (m_folder.size() > 1 && m_folder.back() == '/') {
        m_folder.pop_back();
    }
}

std::string ConsoleHost::caption() const
{
    return engine::mainCaption();
}

std::string ConsoleHost::programFolder() const
{
    return m_folder;
}

void ConsoleHost::setRecordCount(std::int64_t count)
{
    m_count = count;
    if (!m_showProgress || count % kRecordsBetweenClockChecks != 0) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - m_lastDrawn >= kRedrawInterval) {
        m_lastDrawn = now;
        drawProgress();
    }
}

void ConsoleHost::showMessage(const run::Message& message)
{
    finishProgress();
    std::fprintf(m_errors, "%s: %s\n", message.title.c_str(), message.text.c_str());
}

void ConsoleHost::finishProgress()
{
    if (m_showProgress && (m_progressShown || m_count > 0)) {
        drawProgress();
        std::fputc('\n', m_errors);
    }
    m_progressShown = false;
    m_count = 0;
}

void ConsoleHost::drawProgress()
{
    std::fprintf(m_errors, "\rRecords processed: %lld", static_cast<long long>(m_count));
    std::fflush(m_errors);
    m_progressShown = true;
}

} // namespace quillon::cli
