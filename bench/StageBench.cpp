// quillon-stage-bench LOG: times the stages of a conversion in memory, without files, so a change to one stage
// shows in its own figure: reading records, reading and converting them, and the whole record loop.
#include "engine/LogReader.h"
#include "engine/RecordConverter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using namespace quillon::engine;

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(const std::string& bytes)
        : m_bytes(bytes)
    {
    }
    long read(char* buffer, std::size_t size) override
    {
        const std::size_t count = std::min(size, m_bytes.size() - m_pos);
        std::memcpy(buffer, m_bytes.data() + m_pos, count);
        m_pos += count;
        return static_cast<long>(count);
    }

private:
    const std::string& m_bytes;
    std::size_t m_pos = 0;
};

// Classic output, or ADIF 3 as the benchmark's run writes it: lines read one by one, Latin-1 text, a call sign.
enum class Stage { Read, Convert, ConvertAdif3 };

// One pass over the log; returns the number of records and adds the bytes of the lines to `sink`.
long pass(const std::string& log, Stage stage, std::size_t& sink)
{
    MemorySource source(log);
    LogReader reader(source);
    RecordConverter converter;
    if (stage == Stage::ConvertAdif3) {
        reader.setLineByLine(true);
        converter.setOutput(AdifVersion::Adif3, {CodePage::Latin1, "N0QLN", ""});
    }
    const FixedFormats formats(DateLayout::YyMmDd, BandFormat::Meters);
    ContactRecord record;
    ByteBuffer line;
    long count = 0;
    while (!reader.atEnd()) {
        const ReadResult read = reader.readRecord(record);
        if (read != ReadResult::Complete && read != ReadResult::OddLine) {
            break;
        }
        ++count;
        if (stage == Stage::Read) {
            continue;
        }
        line.clear();
        if (read == ReadResult::OddLine) {
            converter.convertOddLine(reader.oddLineFields(), reader.recordLine(), line);
        } else {
            converter.convert(record, formats, line);
        }
        sink += line.size();
    }
    return count;
}

double bestSeconds(const std::string& log, Stage stage, long& records, std::size_t& sink)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        records = pass(log, stage, sink);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillon-stage-bench LOG\n");
        return 64;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t sink = 1; // what the passes add keeps them from being optimised away
    long records = 0;
    const double read = bestSeconds(log, Stage::Read, records, sink);
    const double convert = bestSeconds(log, Stage::Convert, records, sink);
    const double adif3 = bestSeconds(log, Stage::ConvertAdif3, records, sink);
    const auto perRecord = [records](double seconds) { return seconds / static_cast<double>(records) * 1e9; };
    std::printf("records:                    %ld\n", records);
    std::printf("read:                       %.1f ns/record\n", perRecord(read));
    std::printf("read+convert+line:          %.1f ns/record\n", perRecord(convert));
    std::printf("convert+line alone:         %.1f ns/record\n", perRecord(convert - read));
    std::printf("ADIF 3 read+convert+line:   %.1f ns/record (%.2fx classic)\n", perRecord(adif3), adif3 / convert);
    return sink == 0 ? 1 : 0;
}
