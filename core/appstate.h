#pragma once

#include "core/contest.h"
#include "core/settings.h"
#include "core/texts.h"

namespace veltra {

// Everything the windows and routines share: the competition, the working state, the
// settings and the language texts. The application owns one; tests build their own.
struct AppState {
    Contest contest;
    Workspace work;
    Settings settings;
    Texts texts;
};

inline constexpr const char* ProgramName = "Veltra";
inline constexpr const char* MainCaption = "Veltra    ver. 2.41";
inline constexpr double ProgramVersion = 2.41;

} // namespace veltra
