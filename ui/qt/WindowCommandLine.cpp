// Reading quillon's arguments before any window opens, with the paths looked at through Qt.
#include "ui/qt/WindowCommandLine.h"

#include "ui/qt/LogFolder.h"
#include "ui/qt/TextConversion.h"

#include <QFileInfo>

#include <string>
#include <vector>

namespace quillon::ui {

namespace {

class QtPathProbe : public forms::PathProbe
{
public:
    forms::NamedPath look(const std::string& path) const override
    {
        const QFileInfo named(fromRunText(path));
        if (!named.exists()) {
            return {};
        }
        if (!named.isDir()) {
            return {forms::NamedPath::Kind::File, toRunText(cleanFolderPath(named.absolutePath())),
                    toRunText(named.fileName())};
        }
        return {forms::NamedPath::Kind::Folder, toRunText(cleanFolderPath(named.filePath())), {}};
    }
};

} // namespace

forms::WindowArguments parseWindowCommandLine(const QStringList& arguments)
{
    std::vector<std::string> texts;
    for (const QString& argument : arguments) {
        texts.push_back(toRunText(argument));
    }
    return forms::parseWindowArguments(texts, QtPathProbe());
}

forms::WindowArguments parseWindowCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return parseWindowCommandLine(arguments);
}

std::optional<int> answerCommandLine(const forms::WindowArguments& command, std::FILE* out, std::FILE* errors)
{
    switch (command.action) {
    case WindowAction::Help:
        std::fputs(std::string(forms::windowUsage()).c_str(), out);
        break;
    case WindowAction::Version:
        std::fprintf(out, "%s\n", forms::windowVersionLine().c_str());
        break;
    case WindowAction::UsageError:
        std::fprintf(errors, "%s\n", forms::windowErrorLine(command).c_str());
        break;
    case WindowAction::Open:
        break;
    }
    return forms::exitStatusOf(command);
}

} // namespace quillon::ui
