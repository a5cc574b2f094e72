// Between the run's 8-bit text and Qt's strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quillon::ui {

// The run's texts are in the system's 8-bit encoding, as file paths are; on Windows that is UTF-8, which the
// run's file system turns into UTF-16 for Windows itself, since the ANSI code page cannot name every folder.
inline QString fromRunText(std::string_view text)
{
#ifdef Q_OS_WIN
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
#else
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
#endif
}

inline std::string toRunText(const QString& text)
{
#ifdef Q_OS_WIN
    return text.toUtf8().toStdString();
#else
    return text.toLocal8Bit().toStdString();
#endif
}

} // namespace quillon::ui
