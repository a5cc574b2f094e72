// Copying old outputs aside under names that sort with them and say what they are.
#include "run/OutputKeeper.h"

#include "run/RunInput.h"
#include "run/RunTexts.h"

namespace quillon::run {

namespace {

// "2026-12-07-1530": when the old file was copied aside.
std::string keptStamp(const Clock& clock)
{
    const auto [date, time] = clock.now();
    return std::to_string(date.year) + "-" + twoDigits(date.month) + "-" + twoDigits(date.day) + "-" +
           twoDigits(time.hour) + twoDigits(time.minute);
}

} // namespace

OutputKeeper::OutputKeeper(FileSystem& files, std::string folder, const Clock& clock)
    : m_files(files)
    , m_folder(std::move(folder))
    , m_clock(clock)
{
}

void OutputKeeper::loadRecord()
{
    m_record = OutputRecord::load(m_files, m_folder);
}

// An old file that the record vouches for is this program's own, as it wrote it, and may go; any other may hold
// the user's work (corrections made in bad.adi, say) and is copied first to a name that was not taken before.
// Copied, not renamed, so that the old file stays in its place until the new one takes it.
bool OutputKeeper::keepUnlessVouched(OutputKind kind, const std::string& name)
{
    const std::string path = pathIn(m_folder, name);
    if (!m_files.exists(path) || m_record.vouchesFor(m_files, name, path)) {
        return true;
    }
    const bool edited = m_record.knows(name);
    const std::string stem = name + (edited ? ".edited-" : ".kept-") + keptStamp(m_clock);
    std::string keptName = stem;
    for (int n = 2; m_files.exists(pathIn(m_folder, keptName)); ++n) {
        keptName = stem + "-" + std::to_string(n);
    }
    if (!copyFile(path, pathIn(m_folder, keptName))) {
        return false;
    }
    m_kept.push_back({kind, name, keptName, edited});
    return true;
}

void OutputKeeper::dropCopies(const std::string& name)
{
    std::erase_if(m_kept, [&](const KeptOutput& kept) {
        return kept.name == name && m_files.remove(pathIn(m_folder, kept.keptName));
    });
}

// Byte for byte, and on the disk before the original can be replaced. Nothing is left of a copy that failed.
bool OutputKeeper::copyFile(const std::string& from, const std::string& to)
{
    const auto input = m_files.openForReading(from);
    if (!input) {
        return fail(from, m_files.failureReason());
    }
    auto output = m_files.createForWriting(to);
    if (!output) {
        return fail(to, m_files.failureReason());
    }
    std::vector<char> buffer(256 * 1024);
    long count = 0;
    bool written = true;
    while (written && (count = input->read(buffer.data(), buffer.size())) > 0) {
        written = output->write({buffer.data(), static_cast<std::size_t>(count)});
    }
    if (count >= 0 && written && output->sync() && output->close()) {
        return true;
    }
    const std::string reason = count < 0 ? input->failureReason() : output->failureReason();
    output.reset();
    m_files.remove(to);
    return fail(to, reason);
}

bool OutputKeeper::fail(const std::string& path, const std::string& reason)
{
    m_failedPath = path;
    m_failureReason = reason;
    return false;
}

} // namespace quillon::run
