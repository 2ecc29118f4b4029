#pragma once
#include <cstdint>
#include <string>

#include "platform/FontDesc.h"
#include "platform/Geometry.h"
#include "settings/SettingRanges.h"

// The process-wide settings the shell owns, at their first-start values.
// The settings file restores them at start-up and stores them at exit.
inline uint8_t languageIndex = firstStart::languageIndex;
inline uint8_t askBeforeExit = firstStart::askBeforeExit;
inline uint16_t taskType = 0;
inline int32_t tempoIndex = firstStart::tempoIndex;
inline int32_t modeIndex = firstStart::modeIndex;
inline int32_t keyIndex = firstStart::keyIndex;
inline int32_t scaleRow = 0;
inline int32_t maxDistance = firstStart::maxDistance;
inline bool blockExtramodeKeys = false;
inline bool fixKeyIllumination = false;
inline int32_t volume = firstStart::volume;
inline int32_t useHardwareMidiKeyboard = firstStart::useHardwareMidiKeyboard;
// The hardware MIDI keyboard's range as measured, lowest and highest note; -1 for both until
// it has been measured.
inline int32_t keyboardLowNote = -1;
inline int32_t keyboardHighNote = -1;
// The MIDI input port chosen in the MIDI settings, by its name (UTF-8); empty: every hardware port.
inline std::string midiInPortName;
// The audio output's latency as chosen in the MIDI settings (0 low, 1 normal, 2 safe).
inline int32_t audioLatency = firstStart::audioLatency;
inline FontDesc mainFontDesc = DefaultMainFontDesc();
inline FontDesc resultFontDesc = DefaultResultFontDesc();
inline Rect windowRect{};

// The elapsed time of the current count as "mm:ss", shown in the time meter and in the statistics.
inline std::string elapsedTimeText = "00:00";

// A measured range: two MIDI notes, the lowest below the highest.
constexpr bool KeyboardRangeUsable(int32_t low, int32_t high) { return low >= 0 && low < high && high <= 127; }

// Puts every setting above back to its first-start value (tests, and a fresh start).
void ResetProgramSettings();
