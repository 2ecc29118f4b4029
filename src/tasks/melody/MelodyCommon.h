#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "tasks/base/CAbstractT.h"
#include "tasks/common/TaskCommon.h"

// What the melody repetition and tone search tasks share on both pianos: their texts, the
// control-bar set-up and the generation of random melodies; the rest comes from what all task
// families share (tasks/common).
namespace melody {

using namespace common;

// The tone search task's own button in the view.
inline constexpr int kTaskButton = 110;
// The texts of one melody length: start hint, hint after a new task, legend lines 2-10.
struct MelodyKind {
  int startHint;
  int hintAfterNew;
  std::array<int, 9> legend;
};
inline constexpr MelodyKind kOneTone{119, 137, {257, 262, 263, 264, 269, 274, 275, 276, 277}};
inline constexpr MelodyKind kTwoTones{120, 138, {258, 262, 263, 265, 270, 274, 275, 276, 277}};
inline constexpr MelodyKind kFourTones{121, 138, {259, 262, 263, 266, 270, 274, 275, 276, 277}};
inline constexpr MelodyKind kEightTones{122, 138, {260, 262, 263, 267, 270, 274, 275, 276, 277}};
// The tone search legend, lines 2-8.
inline constexpr std::array<int, 7> kSearchLegend{256, 261, 263, 264, 268, 271, 272};

// Told of each tone of a melody as it begins to sound (true) and as it ends (false).
using ToneMarks = std::function<void(int32_t key, bool sounding)>;

// A new melody: tones on the current scale, neighbours at most maxDistance apart.
void GenerateMelody(int32_t keyCount, std::span<int32_t> tones);

// Hint box (the hint kept, else the start hint), the captions of the two control-bar buttons
// and the title.
void SetTaskTexts(CAbstractT& task, int startHint, int titleId);

// The tone search's fifth line: key presses while searching.
PanelLine SearchPressesLine(int32_t searchPresses);

}  // namespace melody
