// Writes a synthetic log.asc of N contacts to stdout, the same for the same variant number, for timing the converter.
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace {

using std::string_view;

/// splitmix64: tiny and fast; the same variant always yields the same log, on every platform.
class Random
{
public:
    explicit Random(std::uint64_t variant)
        : m_state(variant)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Multiply-shift on the top 32 bits: unbiased enough for the small ranges drawn here, and no division.
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32); }
    unsigned between(unsigned low, unsigned high) { return low + below(high - low + 1); }
    bool percent(std::uint32_t p) { return below(100) < p; }
    string_view pick(std::span<const string_view> items)
    {
        return items[below(static_cast<std::uint32_t>(items.size()))];
    }

private:
    std::uint64_t m_state;
};

// Field positions in a log.asc line.
// clang-format off
enum Field {
    Call, Band, Freq, Mode, RstSent, RstRcvd, Name, Comment, Dxcc, QslSent, QslRcvd, State, Iota, Cnty, Cqz, Qth, Date,
    Time, FieldCount
};
// clang-format on

struct Place {
    string_view state;
    string_view county;
    string_view city;
    unsigned cqz;
};

enum class Region { Usa, Canada, Elsewhere };

struct Entity {
    std::span<const string_view> prefixes;
    string_view dxcc;
    Region region;
    unsigned cqzLow;
    unsigned cqzHigh;
    string_view iota; // empty when the entity has no islands worth logging
    std::span<const string_view> qths;
    unsigned weight;
};

struct BandPlan {
    std::array<string_view, 3> labels; // plain, upper-case unit, lower-case unit
    unsigned cwLowKhz, cwHighKhz, phoneLowKhz, phoneHighKhz, ft8Khz, weight;
};

constexpr string_view kUsPrefixes[] = {"K", "W", "N", "AA", "AB", "KB", "KC", "KD", "KE", "WA", "WB", "W"};
constexpr string_view kVePrefixes[] = {"VE", "VA", "VE"};
constexpr string_view kKh6Prefixes[] = {"KH6"};
constexpr string_view kGPrefixes[] = {"G", "M", "2E"};
constexpr string_view kDlPrefixes[] = {"DL", "DK", "DJ", "DF"};
constexpr string_view kJaPrefixes[] = {"JA", "JH", "JR", "JE"};
constexpr string_view kVkPrefixes[] = {"VK"};
constexpr string_view k9aPrefixes[] = {"9A"};
constexpr string_view kFPrefixes[] = {"F"};
constexpr string_view kIPrefixes[] = {"I", "IK", "IZ"};
constexpr string_view kEaPrefixes[] = {"EA"};
constexpr string_view kZlPrefixes[] = {"ZL"};
constexpr string_view kPyPrefixes[] = {"PY"};
constexpr string_view kUaPrefixes[] = {"UA", "RA", "RW"};
constexpr string_view kOhPrefixes[] = {"OH"};

constexpr string_view kNoQth[] = {""};
constexpr string_view kHawaiiQths[] = {"Honolulu", "Hilo", "\"Kailua, Oahu\""};
constexpr string_view kEnglandQths[] = {"London", "Leeds", "\"Bristol, Avon\"", "Manchester"};
constexpr string_view kGermanyQths[] = {"Munich", "Hamburg", "\"Bonn, NRW\"", "Berlin"};
constexpr string_view kJapanQths[] = {"Tokyo", "Osaka", "\"Sapporo, Hokkaido\""};
constexpr string_view kAustraliaQths[] = {"Sydney", "Perth", "\"Hobart, Tas\"", "Melbourne"};
constexpr string_view kCroatiaQths[] = {"Zagreb", "Split", "\"Rijeka, PGZ\""};
constexpr string_view kFranceQths[] = {"Paris", "Lyon", "\"Brest, Finistere\""};
constexpr string_view kItalyQths[] = {"Rome", "Milan", "\"Bari, Puglia\""};
constexpr string_view kSpainQths[] = {"Madrid", "Valencia", "\"Sevilla, Andalucia\""};
constexpr string_view kNzQths[] = {"Auckland", "Wellington", "\"Nelson, South Island\""};
constexpr string_view kBrazilQths[] = {"Sao Paulo", "Recife", "\"Curitiba, PR\""};
constexpr string_view kRussiaQths[] = {"Moscow", "Kazan", "\"Omsk, Siberia\""};
constexpr string_view kFinlandQths[] = {"Helsinki", "Oulu", "\"Turku, Varsinais\""};

constexpr Entity kEntities[] = {
    {kUsPrefixes, "291", Region::Usa, 3, 5, "", kNoQth, 40},
    {kVePrefixes, "1", Region::Canada, 2, 5, "", kNoQth, 6},
    {kKh6Prefixes, "110", Region::Usa, 31, 31, "OC-019", kHawaiiQths, 2},
    {kGPrefixes, "223", Region::Elsewhere, 14, 14, "EU-005", kEnglandQths, 7},
    {kDlPrefixes, "230", Region::Elsewhere, 14, 14, "", kGermanyQths, 8},
    {kJaPrefixes, "339", Region::Elsewhere, 25, 25, "AS-007", kJapanQths, 7},
    {kVkPrefixes, "150", Region::Elsewhere, 29, 30, "OC-001", kAustraliaQths, 4},
    {k9aPrefixes, "497", Region::Elsewhere, 15, 15, "EU-016", kCroatiaQths, 3},
    {kFPrefixes, "227", Region::Elsewhere, 14, 14, "EU-064", kFranceQths, 4},
    {kIPrefixes, "248", Region::Elsewhere, 15, 15, "EU-025", kItalyQths, 4},
    {kEaPrefixes, "281", Region::Elsewhere, 14, 14, "", kSpainQths, 4},
    {kZlPrefixes, "170", Region::Elsewhere, 32, 32, "OC-036", kNzQths, 2},
    {kPyPrefixes, "108", Region::Elsewhere, 11, 11, "SA-024", kBrazilQths, 3},
    {kUaPrefixes, "54", Region::Elsewhere, 16, 17, "", kRussiaQths, 4},
    {kOhPrefixes, "224", Region::Elsewhere, 15, 15, "EU-096", kFinlandQths, 2},
};

constexpr Place kUsPlaces[] = {
    {"ma", "Hampden", "Springfield", 5},  {"MA", "Middlesex", "Cambridge", 5},
    {"CA", "Los Angeles", "Pasadena", 3}, {"ca", "Santa Clara", "\"San Jose, Silicon Valley\"", 3},
    {"TX", "Harris", "Houston", 4},       {"NY", "Kings", "Brooklyn", 5},
    {"OH", "Franklin", "Columbus", 4},    {"fl", "Miami-Dade", "Miami", 5},
    {"WA", "King", "Seattle", 3},         {"IL", "Cook", "Chicago", 4},
    {"CO", "Denver", "Denver", 4},        {"Ga", "Fulton", "Atlanta", 5},
    {"MN", "Hennepin", "Minneapolis", 4}, {"AZ", "Maricopa", "Phoenix", 3},
    {"CT", "Hartford", "Newington", 5},   {"ME", "Cumberland", "\"Portland, ME\"", 5},
};
constexpr Place kHawaiiPlaces[] = {{"HI", "Honolulu", "", 31}, {"hi", "Maui", "", 31}, {"HI", "Hawaii", "", 31}};
constexpr Place kCanadaPlaces[] = {
    {"ON", "", "Toronto", 4}, {"QC", "", "Montreal", 2}, {"BC", "", "\"Victoria, BC\"", 3},
    {"AB", "", "Calgary", 4}, {"NS", "", "Halifax", 5},
};

constexpr BandPlan kBands[] = {
    {{"160", "160M", "160m"}, 1800, 1840, 1840, 2000, 1840, 3},
    {{"80", "80M", "80m"}, 3500, 3600, 3600, 4000, 3573, 8},
    {{"40", "40M", "40m"}, 7000, 7060, 7125, 7300, 7074, 20},
    {{"30", "30M", "30m"}, 10100, 10150, 10100, 10150, 10136, 5},
    {{"20", "20M", "20m"}, 14000, 14070, 14150, 14350, 14074, 26},
    {{"17", "17M", "17m"}, 18068, 18095, 18110, 18168, 18100, 7},
    {{"15", "15M", "15m"}, 21000, 21070, 21200, 21450, 21074, 11},
    {{"12", "12M", "12m"}, 24890, 24915, 24930, 24990, 24915, 4},
    {{"10", "10M", "10m"}, 28000, 28070, 28300, 29000, 28074, 9},
    {{"6", "6M", "6m"}, 50000, 50100, 50100, 50300, 50313, 3},
    {{"2", "2M", "2m"}, 144000, 144100, 144200, 146000, 144174, 3},
    {{"70", "70CM", "70cm"}, 432000, 432100, 432100, 432300, 432174, 1},
};

// Packed by hand: the formatter would give each short text a line of its own.
// clang-format off
constexpr string_view kNames[] = {
    "John", "Mike", "Bob", "Jim", "Dave", "Tom", "Bill", "Steve", "Joe", "Rich", "Ed", "Frank", "Hans", "Klaus",
    "Peter", "Juergen", "Taro", "Hiro", "Ken", "Ian", "Nigel", "Colin", "Bruce", "Kylie", "Ivan", "Marko", "Jean",
    "Pierre", "Marco", "Luigi", "Jose", "Paco", "Sergei", "Oleg", "Matti", "Sue", "Mary", "Anne", "Carlos", "Raj",
    "\"Smith, J\"", "\"Van Dyke, Al\"", "\"O'Neil, Pat\"",
};

constexpr string_view kSurnames[] = {
    "Smith", "Jones",  "Miller", "Brown", "Schmidt", "Mueller", "Tanaka",   "Suzuki", "Wilson",   "Taylor",
    "Novak", "Horvat", "Martin", "Rossi", "Garcia",  "Ivanov",  "Virtanen", "Silva",  "Kowalski", "Anderson",
};

constexpr string_view kComments[] = {
    "\"nice qso, 5w into a wire\"", "tnx fer call es gud luck", "\"qrp, dipole at 10m\"", "fb sig into ma",
    "\"pse qsl via buro, tnx\"", "ARRL DX contest", "new one! all time new", "\"wx sunny, 25c\"",
    "long ragchew about antennas", "worked him thru the pileup", "\"tnx qso, 73 es cuagn\"", "long path opening",
    "\"rig ic-7300, 100w\"", "from dx cluster spot", "\"first qso on this band, hi hi\"", "sked with old friend",
    "\"ant yagi, 3el at 15m\"", "POTA activation K-1234", "deep qsb on both sides", "\"cu agn, gl es 73\"",
    "QRM from nearby station", "SOTA summit W1/HA-001", "\"mobile, hw 95 south\"", "eqsl and lotw ok",
    "\"strong signal, big pileup behind him\"", "worked on the new vertical antenna", "\"op at club station, w1aw\"",
};
// clang-format on

constexpr string_view kQsl[] = {"y", "n", "Y", "N", "", "", ""};
constexpr string_view kModes[] = {"SSB", "SSB", "SSB", "SSB", "SSB", "SSB", "SSB", "CW",  "CW",  "CW",
                                  "CW",  "CW",  "CW",  "FT8", "FT8", "FT8", "FT8", "FT8", "FT8", "RTTY"};

/// Collects whole lines in one block and hands them to stdout in large writes.
class OutputBuffer
{
public:
    OutputBuffer()
        : m_data(kCapacity)
    {
    }

    void put(string_view text)
    {
        std::memcpy(m_data.data() + m_size, text.data(), text.size());
        m_size += text.size();
    }

    void endLine()
    {
        put("\r\n");
        if (m_size > kCapacity - kLineRoom) {
            flush();
        }
    }

    bool flush()
    {
        const bool ok = std::fwrite(m_data.data(), 1, m_size, stdout) == m_size;
        m_size = 0;
        return ok;
    }

private:
    static constexpr std::size_t kCapacity = std::size_t{1} << 21;
    static constexpr std::size_t kLineRoom = 4096; // far more than the longest line the tables can produce
    std::vector<char> m_data;
    std::size_t m_size = 0;
};

/// Small fixed text store for the fields that are computed rather than picked from a table.
struct Scratch {
    std::array<char, 48> text{};
    std::size_t size = 0;

    string_view view() const { return {text.data(), size}; }
    void clear() { size = 0; }
    void append(string_view part)
    {
        std::memcpy(text.data() + size, part.data(), part.size());
        size += part.size();
    }
    void appendNumber(unsigned value, unsigned width)
    {
        std::array<char, 12> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
        const auto count = static_cast<unsigned>(end - digits.data());
        for (unsigned i = count; i < width; ++i) {
            text[size++] = '0';
        }
        append({digits.data(), count});
    }
};

template <typename T, std::size_t N> const T& pickWeighted(Random& random, const T (&items)[N])
{
    unsigned total = 0;
    for (const T& item : items) {
        total += item.weight;
    }
    unsigned roll = random.below(total);
    for (const T& item : items) {
        if (roll < item.weight) {
            return item;
        }
        roll -= item.weight;
    }
    return items[N - 1];
}

template <typename T, std::size_t N> const T& pickAny(Random& random, const T (&items)[N])
{
    return items[random.below(N)];
}

/// Builds one contact at a time as 18 field texts; the texts stay valid until the next contact is built.
class ContactMaker
{
public:
    explicit ContactMaker(std::uint64_t variant)
        : m_random(variant)
    {
    }

    const std::array<string_view, FieldCount>& make(bool withProblem);
    bool spacedOut() { return m_random.percent(2); }

private:
    void makeStation();
    void makeBandAndMode();
    void makeReports();
    void makeDateAndTime();
    void makeName();
    void addProblem();

    Random m_random;
    std::array<string_view, FieldCount> m_fields{};
    Scratch m_call, m_freq, m_rstSent, m_rstRcvd, m_cqz, m_iota, m_date, m_time, m_name, m_qth;
    unsigned m_problemCount = 0;
};

const std::array<string_view, FieldCount>& ContactMaker::make(bool withProblem)
{
    m_fields.fill({});
    makeStation();
    makeBandAndMode();
    makeReports();
    makeDateAndTime();
    makeName();
    m_fields[Comment] = m_random.percent(12) ? string_view{} : pickAny(m_random, kComments);
    m_fields[QslSent] = pickAny(m_random, kQsl);
    m_fields[QslRcvd] = pickAny(m_random, kQsl);
    if (withProblem) {
        addProblem();
    }
    return m_fields;
}

void ContactMaker::makeStation()
{
    const Entity& entity = pickWeighted(m_random, kEntities);
    const string_view prefix = m_random.pick(entity.prefixes);
    m_call.clear();
    m_call.append(prefix);
    if (prefix.back() < '0' || prefix.back() > '9') {
        m_call.appendNumber(m_random.below(10), 1);
    }
    const unsigned letters = m_random.percent(10) ? 1 : m_random.between(2, 3);
    for (unsigned i = 0; i < letters; ++i) {
        m_call.text[m_call.size++] = static_cast<char>('A' + m_random.below(26));
    }
    if (m_random.percent(1)) {
        m_call.append("/P");
    }
    m_fields[Call] = m_call.view();
    m_fields[Dxcc] = m_random.percent(3) ? string_view{} : entity.dxcc;

    unsigned cqz = m_random.between(entity.cqzLow, entity.cqzHigh);
    m_fields[Qth] = m_random.pick(entity.qths);
    if (entity.region != Region::Elsewhere) {
        const Place& place = entity.region == Region::Canada ? pickAny(m_random, kCanadaPlaces)
                             : entity.dxcc == "110"          ? pickAny(m_random, kHawaiiPlaces)
                                                             : pickAny(m_random, kUsPlaces);
        cqz = place.cqz;
        m_fields[State] = m_random.percent(15) ? string_view{} : place.state;
        if (!m_fields[State].empty() && m_random.percent(60)) {
            m_fields[Cnty] = place.county;
        }
        if (!place.city.empty()) {
            m_fields[Qth] = place.city;
        }
        if (!place.city.empty() && place.city.front() != '"' && m_random.percent(50)) {
            m_qth.clear();
            m_qth.append("\"");
            m_qth.append(place.city);
            m_qth.append(", ");
            m_qth.append(place.state);
            m_qth.append("\"");
            m_fields[Qth] = m_qth.view();
        }
    }
    if (m_random.percent(5)) {
        m_fields[Qth] = {};
    }
    m_cqz.clear();
    m_cqz.appendNumber(cqz, m_random.percent(20) ? 2 : 1);
    m_fields[Cqz] = m_random.percent(5) ? string_view{} : m_cqz.view();

    if (!entity.iota.empty() && m_random.percent(20)) {
        m_iota.clear();
        m_iota.append(entity.iota.substr(0, 2));
        if (m_random.percent(70)) {
            m_iota.append("-");
        }
        m_iota.append(entity.iota.substr(3));
        m_fields[Iota] = m_iota.view();
    }
}

void ContactMaker::makeBandAndMode()
{
    const BandPlan& band = pickWeighted(m_random, kBands);
    const unsigned labelRoll = m_random.below(100);
    m_fields[Band] = band.labels[labelRoll < 55 ? 0 : labelRoll < 85 ? 1 : 2];
    m_fields[Mode] = m_random.pick(kModes);
    if (m_fields[Mode] == "SSB" && band.labels[0] == "30") {
        m_fields[Mode] = "CW"; // no phone on 30 m
    }

    unsigned khz = band.ft8Khz;
    if (m_fields[Mode] == "SSB") {
        khz = m_random.between(band.phoneLowKhz, band.phoneHighKhz);
        if (band.labels[0] == "80" && khz >= 3750 && labelRoll < 20) {
            m_fields[Band] = labelRoll < 10 ? "75" : "75M";
        }
    } else if (m_fields[Mode] != "FT8") {
        khz = m_random.between(band.cwLowKhz, band.cwHighKhz);
    }
    m_freq.clear();
    m_freq.appendNumber(khz / 1000, 1);
    m_freq.append(".");
    m_freq.appendNumber(khz % 1000, 3);
    if (m_random.percent(40)) {
        m_freq.appendNumber(m_random.below(100), 2);
    }
    m_fields[Freq] = m_freq.view();
}

void ContactMaker::makeReports()
{
    for (auto [scratch, field] : {std::pair{&m_rstSent, RstSent}, std::pair{&m_rstRcvd, RstRcvd}}) {
        scratch->clear();
        if (m_fields[Mode] == "FT8") {
            const int report = static_cast<int>(m_random.between(0, 34)) - 24;
            scratch->append(report < 0 ? "-" : "+");
            scratch->appendNumber(static_cast<unsigned>(report < 0 ? -report : report), 2);
        } else {
            scratch->append("5");
            scratch->appendNumber(m_random.percent(75) ? 9 : m_random.between(3, 8), 1);
            if (m_fields[Mode] != "SSB") {
                scratch->append("9");
            }
        }
        m_fields[field] = m_random.percent(3) ? string_view{} : scratch->view();
    }
}

void ContactMaker::makeDateAndTime()
{
    static constexpr unsigned kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const unsigned yearIndex = m_random.below(32); // 1995 to 2026
    const unsigned year = yearIndex < 5 ? 95 + yearIndex : yearIndex - 5;
    const unsigned month = m_random.between(1, 12);
    const bool leap = year % 4 == 0; // every two-digit year here that divides by four is a leap year, 2000 too
    const unsigned days = kDaysInMonth[month - 1] + (month == 2 && leap ? 1 : 0);
    m_date.clear();
    m_date.appendNumber(year, 2);
    m_date.append("-");
    m_date.appendNumber(month, 2);
    m_date.append("-");
    m_date.appendNumber(m_random.between(1, days), 2);
    m_fields[Date] = m_date.view();

    m_time.clear();
    const bool withSeconds = m_random.percent(35);
    m_time.appendNumber(m_random.below(24), 2);
    if (withSeconds) {
        m_time.append(":");
    }
    m_time.appendNumber(m_random.below(60), 2);
    if (withSeconds) {
        m_time.append(":");
        m_time.appendNumber(m_random.below(60), 2);
    }
    m_fields[Time] = m_time.view();
}

void ContactMaker::makeName()
{
    const string_view first = pickAny(m_random, kNames);
    if (m_random.percent(6)) {
        m_fields[Name] = {};
    } else if (first.front() == '"' || m_random.percent(40)) {
        m_fields[Name] = first;
    } else {
        m_name.clear();
        m_name.append(first);
        m_name.append(" ");
        m_name.append(pickAny(m_random, kSurnames));
        m_fields[Name] = m_name.view();
    }
}

// The kinds take turns so that each appears equally often.
void ContactMaker::addProblem()
{
    struct Problem {
        Field field;
        string_view value;
        Field otherField; // FieldCount when one field is enough
        string_view otherValue;
    };
    static constexpr Problem kProblems[] = {
        {Band, "60", Freq, "5.357"}, {Call, "", FieldCount, ""},     {Dxcc, "USA", FieldCount, ""},
        {State, "Mass", Cnty, ""},   {Iota, "OC12", FieldCount, ""}, {Date, "26-13-40", FieldCount, ""},
        {Mode, "", FieldCount, ""},  {State, "", Cnty, "Hampden"},   {Date, "", FieldCount, ""},
        {Time, "", FieldCount, ""},
    };
    const Problem& problem = kProblems[m_problemCount++ % std::size(kProblems)];
    m_fields[problem.field] = problem.value;
    if (problem.otherField != FieldCount) {
        m_fields[problem.otherField] = problem.otherValue;
    }
}

bool parseCount(const char* text, std::uint64_t& value)
{
    const std::size_t length = std::strlen(text);
    const auto [end, error] = std::from_chars(text, text + length, value);
    return error == std::errc{} && end == text + length;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t count = 0;
    std::uint64_t variant = 1;
    if (argc < 2 || argc > 3 || !parseCount(argv[1], count) || (argc == 3 && !parseCount(argv[2], variant))) {
        std::fputs("usage: quillon-genlog N [VARIANT]\n  writes a log.asc of N contacts to stdout\n", stderr);
        return 2;
    }

    // One contact in every block of fifty carries a problem, at a random place inside the block.
    constexpr std::uint64_t kProblemBlock = 50;
    Random placement(variant ^ 0xA5A5A5A5A5A5A5A5ULL);
    ContactMaker maker(variant);
    OutputBuffer out;
    std::uint64_t problemAt = placement.below(kProblemBlock);
    for (std::uint64_t i = 0; i < count; ++i) {
        if (i % kProblemBlock == 0) {
            problemAt = i + placement.below(kProblemBlock);
        }
        const auto& fields = maker.make(i == problemAt);
        const string_view separator = maker.spacedOut() ? ", " : ",";
        out.put(fields[0]);
        for (std::size_t f = 1; f < fields.size(); ++f) {
            out.put(separator);
            out.put(fields[f]);
        }
        out.endLine();
    }
    if (!out.flush() || std::fflush(stdout) != 0) {
        std::perror("quillon-genlog: write");
        return 1;
    }
    return 0;
}
