#pragma once
#include <cstdint>
#include <string>

#include "platform/FontDesc.h"
#include "platform/Geometry.h"

// The process-wide settings the shell owns, at their first-start values.
// The settings file restores them at start-up and stores them at exit.
inline uint8_t languageIndex = 0;
inline uint8_t askBeforeExit = 2;
inline uint16_t taskType = 0;
inline int32_t tempoIndex = 21;
inline int32_t modeIndex = 0;
inline int32_t keyIndex = 0;
inline int32_t scaleRow = 0;
inline int32_t maxDistance = 5;
inline bool blockExtramodeKeys = false;
inline bool fixKeyIllumination = false;
inline int32_t volume = 100;
inline int32_t useHardwareMidiKeyboard = 1;
inline FontDesc mainFontDesc = DefaultMainFontDesc();
inline FontDesc resultFontDesc = DefaultResultFontDesc();
inline Rect windowRect{};

// The elapsed time of the current count as "mm:ss", shown in the time meter and in the statistics.
inline std::string elapsedTimeText = "00:00";

// Puts every setting above back to its first-start value (tests, and a fresh start).
void ResetProgramSettings();
