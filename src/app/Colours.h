#pragma once

#include <cstdint>

#include "platform/Renderer.h"

// The colours and the text placement that nearly every screen draws with.
inline constexpr uint32_t kBlack = 0xFF000000u;
inline constexpr uint32_t kWhite = 0xFFFFFFFFu;
inline constexpr uint32_t kCentred = platform::dt::Center | platform::dt::VCenter;
