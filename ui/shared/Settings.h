// What a window keeps from one start to the next, in the platform's own place for it (QSettings, the registry).
#pragma once

#include <string>
#include <string_view>

namespace quillon::ui {

class Settings
{
public:
    virtual ~Settings() = default;
    // Empty when it was never set.
    virtual std::string text(std::string_view key) const = 0;
    virtual void setText(std::string_view key, const std::string& value) = 0;
};

// The folder chosen last with File, Open Folder.
inline constexpr std::string_view kLogFolderSetting = "logFolder";
// The date layout chosen last, by its name ("YY-MM-DD"); none on a first start.
inline constexpr std::string_view kDateLayoutSetting = "dateLayout";
// The output and its choices from the Options menu: "classic" or "3", a code page's name, two call signs.
inline constexpr std::string_view kOutputSetting = "output";
inline constexpr std::string_view kCodePageSetting = "codePage";
inline constexpr std::string_view kStationCallsignSetting = "stationCallsign";
inline constexpr std::string_view kOperatorCallsignSetting = "operatorCallsign";

} // namespace quillon::ui
