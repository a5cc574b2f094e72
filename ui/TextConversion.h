// Between the run's 8-bit text and Qt's strings.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quillon::ui {

// The run's texts are in the system's 8-bit encoding, as file paths are.
inline QString fromRunText(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toRunText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

} // namespace quillon::ui
