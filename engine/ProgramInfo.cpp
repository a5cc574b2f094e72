// The version text and the caption built from the version numbers.
#include "engine/ProgramInfo.h"

namespace quillon::engine {

std::string versionText()
{
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

std::string mainCaption()
{
    return std::string(kApplicationTitle) + " by " + std::string(kAuthorCall) + " Version " + versionText();
}

} // namespace quillon::engine
