// The About box's services on Linux, with PATH, fork and exec.
#include "ui/platform/LinuxPlatform.h"

#include "engine/ProgramInfo.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon::ui::platform {

std::unique_ptr<PlatformServices> makeNativePlatform(void*)
{
    return std::make_unique<LinuxPlatform>();
}

const std::vector<std::string_view>& LinuxPlatform::systemInfoPrograms()
{
    static const std::vector<std::string_view> programs{"hardinfo", "kinfocenter", "gnome-system-monitor",
                                                        "xfce4-taskmanager"};
    return programs;
}

std::optional<run::Message> LinuxPlatform::startSystemInfo()
{
    for (const std::string_view name : systemInfoPrograms()) {
        if (const std::string program = findOnPath(name); !program.empty() && startDetached(program, {})) {
            return std::nullopt;
        }
    }
    return run::Message{"System Information Is Unavailable At This Time", std::string(engine::kApplicationTitle),
                        run::MessageStyle::Plain};
}

std::optional<run::Message> LinuxPlatform::openWebPage(const std::string& address)
{
    const std::string opener = findOnPath("xdg-open");
    if (opener.empty()) {
        return run::Message{"Could not find associated Browser", "Browser Not Found", run::MessageStyle::Exclamation};
    }
    if (!startDetached(opener, {address})) {
        return run::Message{"Web Page not Opened", "URL Failed", run::MessageStyle::Exclamation};
    }
    return std::nullopt;
}

std::string findOnPath(std::string_view name)
{
    const char* path = std::getenv("PATH");
    std::string_view rest = path == nullptr ? std::string_view() : std::string_view(path);
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        if (folder.empty()) {
            continue; // an empty entry would mean the working folder, which is no place to look for programs
        }
        const std::string candidate = std::string(folder) + "/" + std::string(name);
        struct stat info {
        };
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// Two forks: the first child starts a new session, forks the program and ends at once, so the program is
// adopted by init. A pipe that closes on exec tells whether the exec worked. Between fork and exec only calls
// that are safe in a forked child of a threaded program are made.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        if (::fork() == 0) {
            ::execv(argv[0], argv.data());
            const int failure = errno;
            [[maybe_unused]] const auto written = ::write(report[1], &failure, sizeof failure);
            ::_exit(127);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    bool started = false;
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        int failure = 0;
        ssize_t got = 0;
        while ((got = ::read(report[0], &failure, sizeof failure)) < 0 && errno == EINTR) {
        }
        started = got == 0;
    }
    ::close(report[0]);
    return started;
}

} // namespace quillon::ui::platform
