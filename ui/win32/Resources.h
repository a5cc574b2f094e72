// The ids of the program's resources, shared by the resource script and the code.
#pragma once

#define QUILLON_ICON 1
#define QUILLON_USER_GUIDE 2

#ifdef __cplusplus
namespace quillon::ui::win32 {
inline constexpr int kIconResource = QUILLON_ICON;
inline constexpr int kUserGuideResource = QUILLON_USER_GUIDE;
} // namespace quillon::ui::win32
#endif
