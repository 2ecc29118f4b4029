#include "settings/ProgramSettings.h"

void ResetProgramSettings() {
  languageIndex = firstStart::languageIndex;
  askBeforeExit = firstStart::askBeforeExit;
  taskType = 0;
  tempoIndex = firstStart::tempoIndex;
  modeIndex = firstStart::modeIndex;
  keyIndex = firstStart::keyIndex;
  scaleRow = 0;
  maxDistance = firstStart::maxDistance;
  blockExtramodeKeys = false;
  fixKeyIllumination = false;
  volume = firstStart::volume;
  useHardwareMidiKeyboard = firstStart::useHardwareMidiKeyboard;
  keyboardLowNote = -1;
  keyboardHighNote = -1;
  midiInPortName.clear();
  audioLatency = firstStart::audioLatency;
  mainFontDesc = DefaultMainFontDesc();
  resultFontDesc = DefaultResultFontDesc();
  windowRect = {};
  elapsedTimeText = "00:00";
}
