// Console stand-ins for the window: the caption, the folder, messages and a throttled progress line.
#include "cli/ConsoleHost.h"

#include "cli/StopSignals.h"
#include "engine/ProgramInfo.h"
#include "run/PathText.h"

#include <filesystem>
#include <utility>

namespace quillon::cli {

namespace {

// The clock is looked at once every this many records, and the line redrawn at most this often.
constexpr std::int64_t kRecordsBetweenClockChecks = 4096;
constexpr auto kRedrawInterval = std::chrono::milliseconds(250);

// The absolute folder without a separator at its end, unless it is a root such as "/" or "C:\\".
std::string absoluteFolder(const std::string& folder)
{
    std::filesystem::path path = std::filesystem::absolute(run::pathFromText(folder)).lexically_normal();
    if (!path.has_filename() && path.has_relative_path()) {
        path = path.parent_path();
    }
    return run::textFromPath(path);
}

} // namespace

ConsoleHost::ConsoleHost(const ConvertOptions& options, std::FILE* errors, bool showProgress)
    : m_options(options)
    , m_folder(absoluteFolder(options.folder))
    , m_errors(errors)
    , m_showProgress(showProgress)
    , m_lastDrawn(std::chrono::steady_clock::now())
{
}

std::string ConsoleHost::caption() const
{
    return engine::mainCaption();
}

std::string ConsoleHost::logFolder() const
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

void ConsoleHost::processPendingEvents()
{
    if (m_stop && StopSignals::received() != 0) {
        std::exchange(m_stop, nullptr)();
    }
}

void ConsoleHost::showMessage(const run::Message& message)
{
    if (message.style == run::MessageStyle::Information) {
        return;
    }
    finishProgress();
    print(message, m_errors);
}

void ConsoleHost::print(const run::Message& message, std::FILE* to)
{
    const std::string detail = message.detail.empty() ? std::string() : " " + message.detail;
    std::fprintf(to, "%s: %s%s\n", message.title.c_str(), message.text.c_str(), detail.c_str());
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
