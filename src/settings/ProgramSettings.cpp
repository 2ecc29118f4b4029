#include "settings/ProgramSettings.h"

void ResetProgramSettings() {
  languageIndex = 0;
  askBeforeExit = 2;
  taskType = 0;
  tempoIndex = 21;
  modeIndex = 0;
  keyIndex = 0;
  scaleRow = 0;
  maxDistance = 5;
  blockExtramodeKeys = false;
  fixKeyIllumination = false;
  volume = 100;
  useHardwareMidiKeyboard = 1;
  mainFontDesc = DefaultMainFontDesc();
  resultFontDesc = DefaultResultFontDesc();
  windowRect = {};
  elapsedTimeText = "00:00";
}
