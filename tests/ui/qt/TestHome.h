// A home folder of the test program's own, so the settings and the documents folder it writes touch nobody's.
#pragma once

#include "tests/support/TestFiles.h"

#include <QByteArray>
#include <QStandardPaths>

#include <filesystem>

namespace quillon::tests {

// To be called before the application exists, while nothing has read a setting yet: HOME becomes a fresh
// temporary folder, removed when the program ends, and Qt writes its settings to its test location there.
inline const std::filesystem::path& useTestHome()
{
    static const TempFolder home;
    qputenv("HOME", QByteArray::fromStdString(home.path().string()));
    QStandardPaths::setTestModeEnabled(true);
    return home.path();
}

} // namespace quillon::tests
