// quillon-convert: converts log.asc to log.adi and bad.adi from the command line.
#include "cli/ConvertCommand.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return quillon::cli::runConvertCommand(arguments, stdout, stderr, isatty(STDERR_FILENO) != 0);
}
