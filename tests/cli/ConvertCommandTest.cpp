// quillon-convert run as a program in a temporary folder: golden files, exit statuses and messages.
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon::cli {
namespace {

namespace fs = std::filesystem;
using tests::readFile;
using tests::TempFolder;
using tests::withPlaceholders;
using tests::writeFile;

struct Outcome {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the converter with the given arguments (already shell-quoted) in `folder`, stopped if it waits too long.
// As an ordinary user, root runs a copy of it as "nobody", for whom file permissions count.
Outcome runConverter(const TempFolder& folder, const std::string& arguments, bool asOrdinaryUser = false)
{
    std::string launcher = "timeout 60 '" QUILLON_CONVERT_PATH "' ";
    if (asOrdinaryUser && geteuid() == 0) {
        fs::copy_file(QUILLON_CONVERT_PATH, folder.path() / "quillon-convert");
        fs::permissions(folder.path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
        launcher = "setpriv --reuid=65534 --regid=65534 --clear-groups timeout 60 ./quillon-convert ";
    }
    const std::string command =
        "cd '" + folder.path().string() + "' && " + launcher + arguments + " > .stdout 2> .stderr < /dev/null";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.out = readFile(folder.path() / ".stdout");
    outcome.err = readFile(folder.path() / ".stderr");
    return outcome;
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

std::string lowerCase(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

// The case's log: log.asc, or the same name in other letters (LOG.ASC), as a user may have saved it, or else the
// one .asc file of a case about a log named otherwise.
fs::path logOf(const fs::path& caseFolder)
{
    fs::path other;
    for (const auto& entry : fs::directory_iterator(caseFolder)) {
        const std::string name = lowerCase(entry.path().filename().string());
        if (name == "log.asc") {
            return entry.path();
        }
        other = name.ends_with(".asc") ? entry.path() : other;
    }
    return other.empty() ? caseFolder / "log.asc" : other;
}

// The names of the .adi files in a folder, sorted.
std::vector<std::string> outputsIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".adi") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every folder under tests/data holds its log, args and exit, and what the converter must write: log.adi and
// bad.adi, or the outputs of a log named otherwise (none written when the folder has none), and its standard
// output and error when the folder has them.
TEST(ConvertCommandTest, GoldenCases)
{
    for (const auto& entry : fs::directory_iterator(QUILLON_TEST_DATA_DIR)) {
        if (!fs::exists(entry.path() / "args")) {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        TempFolder folder;
        const fs::path log = logOf(entry.path());
        fs::copy_file(log, folder.path() / log.filename());
        const Outcome outcome = runConverter(folder, firstLine(readFile(entry.path() / "args")));
        EXPECT_EQ(outcome.exitStatus, std::stoi(readFile(entry.path() / "exit"))) << outcome.err;
        const std::vector<std::string> outputs = outputsIn(entry.path());
        EXPECT_EQ(outputsIn(folder.path()), outputs);
        for (const std::string& file : outputs) {
            SCOPED_TRACE(file);
            EXPECT_EQ(withPlaceholders(readFile(folder.path() / file)), readFile(entry.path() / file));
        }
        const std::pair<const char*, const std::string&> streams[] = {{"stdout", outcome.out}, {"stderr", outcome.err}};
        for (const auto& [name, text] : streams) {
            if (fs::exists(entry.path() / name)) {
                EXPECT_EQ(text, readFile(entry.path() / name)) << name;
            }
        }
    }
}

TEST(ConvertCommandTest, FailuresGiveAMessageAndAnExitStatus)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> prepare;
        std::string arguments;
        int exitStatus;
        std::string message; // "<dir>" stands for the folder
        bool asOrdinaryUser = false;
    };
    const Case cases[] = {
        {"no log.asc", [](auto&) {}, "--date YY-MM-DD", 1, "Missing LOG.ASC: The file: <dir>/log.asc doesn't exist.\n"},
        // A log.asc that is there but cannot be read is named as such, at once, and the old outputs stay.
        {"log.asc is a folder", [](auto& f) { fs::create_directory(f.path() / "log.asc"); }, "--date YY-MM-DD", 1,
         "Cannot read LOG.ASC: The file: <dir>/log.asc could not be read. Is a directory\n"},
        {"log.asc is a FIFO", [](auto& f) { mkfifo(f.file("log.asc").c_str(), 0666); }, "--date YY-MM-DD", 1,
         "Cannot read LOG.ASC: The file: <dir>/log.asc could not be read. Not a regular file\n"},
        {"log.asc without read permission",
         [](auto& f) {
             writeFile(f.path() / "log.asc", "");
             fs::permissions(f.path() / "log.asc", fs::perms::none);
         },
         "--date YY-MM-DD", 1, "Cannot read LOG.ASC: The file: <dir>/log.asc could not be read. Permission denied\n",
         true},
        {"log.adi is a folder",
         [](auto& f) {
             writeFile(f.path() / "log.asc", "");
             fs::create_directory(f.path() / "log.adi");
         },
         "--date YY-MM-DD", 1, "Cannot write LOG.ADI: The file: <dir>/log.adi could not be written. Is a directory\n"},
        // A folder the user may not write to: no temporary can be made beside the outputs.
        {"a read-only folder",
         [](auto& f) {
             writeFile(f.path() / "log.asc", "");
             fs::permissions(f.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
         },
         "--date YY-MM-DD", 1,
         "Cannot write LOG.ADI: The file: <dir>/log.adi could not be written. Permission denied\n", true},
        // chmod 444 is the user's word: the file is not replaced, even by root, who could.
        {"a read-only bad.adi",
         [](auto& f) {
             writeFile(f.path() / "log.asc", "");
             writeFile(f.path() / "bad.adi", "corrected");
             fs::permissions(f.path() / "bad.adi",
                             fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         "--date YY-MM-DD", 1,
         "Read-only BAD.ADI: The file: <dir>/bad.adi is read-only, so it is not replaced, and nothing was converted. "
         "Make it writable, or move it away, and convert again.\n"},
        // Two logs that differ only in letter case: neither is read, not even to look at its dates.
        {"LOG.ASC and Log.asc",
         [](auto& f) {
             writeFile(f.path() / "LOG.ASC", "");
             writeFile(f.path() / "Log.asc", "");
         },
         "--date auto", 1,
         "Ambiguous LOG.ASC: The files: <dir>/LOG.ASC and <dir>/Log.asc all stand for LOG.ASC. Rename or remove all "
         "but one.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        c.prepare(folder);
        const Outcome outcome = runConverter(folder, c.arguments, c.asOrdinaryUser);
        EXPECT_EQ(outcome.exitStatus, c.exitStatus);
        std::string expected = c.message;
        for (auto at = expected.find("<dir>"); at != std::string::npos; at = expected.find("<dir>")) {
            expected.replace(at, 5, fs::canonical(folder.path()).string());
        }
        EXPECT_EQ(outcome.err, expected);
    }
}

// A file of one endless field: the converter holds that field and its fixed buffers, nothing that grows further.
// The bound allows for the buffer doubling as it grows, and for a sanitizer build keeping freed blocks a while.
TEST(ConvertCommandTest, HugeFieldWithoutLineEndKeepsMemoryBounded)
{
#ifdef __SANITIZE_THREAD__
    GTEST_SKIP() << "ThreadSanitizer's shadow memory takes several times what the program itself uses";
#endif
    TempFolder folder;
    constexpr std::size_t kFieldBytes = 100 * 1000 * 1000;
    {
        std::ofstream out(folder.path() / "log.asc", std::ios::binary);
        const std::string block(1 << 20, 'x');
        for (std::size_t written = 0; written < kFieldBytes; written += block.size()) {
            out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), kFieldBytes - written)));
        }
    }
    const Outcome outcome = runConverter(folder, "--date YY-MM-DD");
    EXPECT_EQ(outcome.exitStatus, 2);
    EXPECT_EQ(outcome.err.rfind("Bad LOG.ASC File:", 0), 0U);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(static_cast<std::size_t>(usage.ru_maxrss) * 1024, 4 * kFieldBytes);
}

// The outputs go beside the log: in the folder --dir names, or beside a log named in any letter case.
TEST(ConvertCommandTest, OutputsGoBesideTheLog)
{
    for (const std::string logPath : {"logs/1998/log.asc", "logs/1998/LOG.ASC"}) {
        SCOPED_TRACE(logPath);
        TempFolder folder;
        fs::create_directories(folder.path() / "logs/1998");
        writeFile(folder.path() / logPath, "");
        const std::string arguments =
            logPath.ends_with("log.asc") ? "--dir '" + folder.file("logs/1998") + "'" : logPath;
        const Outcome outcome = runConverter(folder, "--date DD-MM-YY " + arguments);
        EXPECT_EQ(outcome.exitStatus, 0) << outcome.err;
        EXPECT_TRUE(fs::exists(folder.path() / "logs/1998/log.adi"));
        EXPECT_TRUE(fs::exists(folder.path() / "logs/1998/bad.adi"));
        EXPECT_FALSE(fs::exists(folder.path() / "log.adi"));
    }
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A real disk that fills up: a small memory file system of its own, mounted where only this test sees it (root
// only, as in CI). The old outputs on it stay whole, and the message says why.
TEST(ConvertCommandTest, FullDiskKeepsTheOldOutputsAndSaysWhy)
{
    if (geteuid() != 0 || std::system("unshare --mount true 2> /dev/null") != 0) {
        GTEST_SKIP() << "needs root to mount a small file system";
    }
    TempFolder folder;
    writeFile(folder.path() / "big.asc", [] {
        std::string log;
        for (int i = 0; i < 1000; ++i) {
            log += "K1ABC,20,14.025,SSB,59,59,Al,,291,,,,,,,,26-01-02,1200\r\n";
        }
        return log;
    }());
    const std::string disk = folder.file("disk");
    fs::create_directory(disk);
    const std::string command = "unshare --mount sh -c 'mount -t tmpfs -o size=96k tmpfs " + disk + " && cd " + disk +
                                " && cp ../big.asc log.asc && printf old > log.adi && printf fixed > bad.adi && " +
                                QUILLON_CONVERT_PATH " --date YY-MM-DD > ../out 2> ../err; echo $? > ../status; " +
                                "cat log.adi bad.adi > ../kept; ls > ../names'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(folder.path() / "status"), "3\n");
    EXPECT_EQ(readFile(folder.path() / "err"), "Cannot write LOG.ADI: The file: " + fs::canonical(disk).string() +
                                                   "/log.adi could not be written. No space left on device\n");
    EXPECT_EQ(readFile(folder.path() / "kept"), "oldfixed");
    EXPECT_EQ(readFile(folder.path() / "names"), "bad.adi\nlog.adi\nlog.asc\n");
}

// Ctrl+C or a kill in the middle of a long run leaves the old outputs byte for byte and nothing else, with the
// exit status shells expect. A run killed outright leaves its temporaries, and the next run removes them.
TEST(ConvertCommandTest, StopSignalKeepsTheOldOutputs)
{
    TempFolder folder;
    {
        std::ofstream out(folder.path() / "log.asc", std::ios::binary);
        const std::string line = "K1ABC,20,14.025,SSB,59,59,Al,,291,,,,,,,,99-12-31,1200\r\n";
        for (int i = 0; i < 2'000'000; ++i) {
            out << line;
        }
    }
    const auto started = [&folder] {
        const auto names = namesIn(folder.path());
        const auto temporary = [&names](const char* output) {
            return std::any_of(names.begin(), names.end(),
                               [output](const std::string& n) { return n.starts_with(output); });
        };
        return temporary("log.adi.~") && temporary("bad.adi.~");
    };
    for (const auto& [signal, exitStatus] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}, std::pair{SIGKILL, -1}}) {
        SCOPED_TRACE(signal);
        writeFile(folder.path() / "log.adi", "old log");
        writeFile(folder.path() / "bad.adi", "old bad, corrected by hand");
        const pid_t child = fork();
        if (child == 0) {
            (void)!chdir(folder.path().c_str());
            (void)!freopen("/dev/null", "w", stdout);
            (void)!freopen(".stderr", "w", stderr);
            execl(QUILLON_CONVERT_PATH, "quillon-convert", "--date", "YY-MM-DD", nullptr);
            _exit(127);
        }
        for (int waited = 0; waited < 20000 && !started(); ++waited) {
            usleep(1000);
        }
        ASSERT_TRUE(started());
        kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, exitStatus);
        EXPECT_EQ(readFile(folder.path() / "log.adi"), "old log");
        EXPECT_EQ(readFile(folder.path() / "bad.adi"), "old bad, corrected by hand");
        EXPECT_EQ(namesIn(folder.path()).size(), signal == SIGKILL ? 6U : 4U);
        if (signal != SIGKILL) {
            EXPECT_EQ(readFile(folder.path() / ".stderr"),
                      "quillon-convert: stopped; LOG.ADI and BAD.ADI are as they were\n");
        }
    }
    // No run here has a record of writing the old files, so they are kept beside the new ones.
    writeFile(folder.path() / "log.asc", "");
    EXPECT_EQ(runConverter(folder, "--date YY-MM-DD").exitStatus, 0);
    const auto names = namesIn(folder.path());
    ASSERT_EQ(names.size(), 8U);
    EXPECT_EQ(names[0], ".quillon-outputs");
    EXPECT_EQ(readFile(folder.path() / names[4]), "old bad, corrected by hand");
    EXPECT_EQ(readFile(folder.path() / names[6]), "old log");
    EXPECT_TRUE(names[6].starts_with("log.adi.kept-"));
}

TEST(ConvertCommandTest, HelpAndVersion)
{
    TempFolder folder;
    const Outcome help = runConverter(folder, "--help");
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.out.rfind("Usage: quillon-convert --date LAYOUT", 0), 0U);
    const Outcome version = runConverter(folder, "--version");
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "quillon-convert " + engine::versionText() + "\n");
}

} // namespace
} // namespace quillon::cli
