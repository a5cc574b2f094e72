// quillon-convert on Windows: the arguments arrive as UTF-16 and are passed on as UTF-8, and a console shows the
// UTF-8 messages (paths with non-ASCII names) as they are meant.
#include "cli/ConvertCommand.h"
#include "run/WideText.h"

#include <cstdio>
#include <io.h>
#include <string>
#include <windows.h>

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> utf8Arguments;
    for (int i = 1; i < argc; ++i) {
        utf8Arguments.push_back(quillon::run::utf8Text(argv[i]));
    }
    const std::vector<std::string_view> arguments(utf8Arguments.begin(), utf8Arguments.end());

    // The console's code page is put back afterwards, since the console outlives the program.
    const UINT consolePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    const int status = quillon::cli::runConvertCommand(arguments, stdout, stderr, _isatty(_fileno(stderr)) != 0);
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleOutputCP(consolePage);
    return status;
}
