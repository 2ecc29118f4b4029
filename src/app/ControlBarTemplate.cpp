#include "app/ControlBarTemplate.h"

const DialogTemplate& ControlBarTemplate() {
  using K = ControlKind;
  static const DialogTemplate bar{
      128,
      476,
      80,
      "",
      {
          {1000, K::PushButton, 4, 2, 128, 14, "Listen to a new task", false},
          {1001, K::PushButton, 136, 2, 84, 14, "Listen again", false},
          {1053, K::RightLabel, 225, 4, 25, 8, "Tempo", false},
          {1008, K::ComboBox, 253, 2, 92, 107, "", false},
          {1054, K::RightLabel, 350, 5, 38, 8, "Volume", false},
          {1003, K::Slider, 388, 2, 87, 15, "", false},
          {1004, K::CheckBox, 7, 21, 135, 10, "Block all extramode keys out", false},
          {1012, K::CheckBox, 7, 33, 136, 10, "Fix key illumination", false},
          {1055, K::RightLabel, 153, 25, 52, 8, "Key", false},
          {1006, K::ComboBox, 209, 23, 45, 100, "", false},
          {1056, K::RightLabel, 263, 25, 38, 8, "Mode", false},
          {1007, K::ComboBox, 306, 23, 167, 113, "", false},
          {1057, K::RightLabel, 7, 46, 279, 8, "Maximum distance between neighboring sounds in sequence (in semitones)",
           false},
          {1011, K::ComboBox, 291, 44, 41, 106, "", false},
          // Two units wider to the left than for the classic dialog font, to hold the text in ours.
          {1058, K::RightLabel, 336, 46, 38, 8, "Time meter", false},
          {1010, K::Edit, 377, 44, 32, 14, "00:00", false},
          {1042, K::PushButton, 414, 43, 58, 16, "Mute", false},
          {1059, K::RightLabel, 7, 64, 47, 8, "Hint", false},
          {1005, K::Edit, 59, 62, 413, 12, "", false},
      }};
  return bar;
}
