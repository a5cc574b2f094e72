// The order of the places a window may convert in.
#include "ui/shared/LogFolder.h"

namespace quillon::forms {

std::string chooseLogFolder(const std::string& named, const std::string& programFolder, const FolderPlaces& places)
{
    if (!named.empty()) {
        return places.clean(named);
    }
    const std::string remembered = places.remembered();
    if (!remembered.empty() && places.isFolder(remembered)) {
        return places.clean(remembered);
    }
    if (places.mayWrite(programFolder)) {
        return places.clean(programFolder);
    }
    // Should the folder not come into being, the first Start names the path that is missing.
    const std::string documents = places.documentsFolder();
    places.makeFolder(documents);
    return places.clean(documents);
}

} // namespace quillon::forms
