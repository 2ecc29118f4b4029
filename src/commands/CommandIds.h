#pragma once

// Command, control and timer ids shared by the menu, the accelerators, the control bar and the view.
namespace cmd {
// Control bar.
inline constexpr int kListenNew = 1000;
inline constexpr int kListenAgain = 1001;
inline constexpr int kVolumeSlider = 1003;
inline constexpr int kBlockExtramode = 1004;
inline constexpr int kHintBox = 1005;
inline constexpr int kKeyList = 1006;
inline constexpr int kModeList = 1007;
inline constexpr int kTempoList = 1008;
inline constexpr int kTimeMeter = 1010;
inline constexpr int kMaxDistanceList = 1011;
inline constexpr int kFixIllumination = 1012;
inline constexpr int kMute = 1042;

// Controls the tasks create in the view.
inline constexpr int kSignatureList = 106;
inline constexpr int kTaskButton1 = 107;
inline constexpr int kTaskButton7 = 113;

// Keys and menu commands.
inline constexpr int kHelpBeginners = 105;
inline constexpr int kEnter = 32864;
inline constexpr int kSaveLog = 32929;
inline constexpr int kShowLog = 32931;
inline constexpr int kClearLog = 32933;
inline constexpr int kLangEnglish = 32981;
inline constexpr int kLangGerman = 32994;
inline constexpr int kLangRussian = 32982;
inline constexpr int kLangPortuguese = 32996;
inline constexpr int kLangCustom = 32986;
inline constexpr int kExit = 57665;
inline constexpr int kAbout = 57664;
inline constexpr int kWarningSettings = 32945;
inline constexpr int kMidiSettings = 32971;
inline constexpr int kFontSettings = 32987;
inline constexpr int kResultFontSettings = 32990;
inline constexpr int kProgress = 33100;
inline constexpr int kHotKeys = 32863;
inline constexpr int kAboutLogs = 32958;
inline constexpr int kAboutSequencer = 32956;
inline constexpr int kAboutMidiKeyboardTasks = 32977;
inline constexpr int kAboutVirtualKeyboardSequencer = 32979;
inline constexpr int kSupport = 32923;
inline constexpr int kWebsite = 32985;
inline constexpr int kMakerPage = 32984;
// The teacher-melody tasks beyond level 1 on 13 keys.
inline constexpr int kTeacherMelodies37 = 32983;
inline constexpr int kTeacherLevel2 = 33110;
inline constexpr int kMyMelodies13 = 33111;
inline constexpr int kMyMelodies37 = 33112;
// The drills: their help text, the folder of the teacher's own exercise files, and one
// item for each exercise file read (the shipped ones, then the own ones, as far as they go).
inline constexpr int kAboutDrills = 33240;
inline constexpr int kMyExercisesFolder = 33241;
inline constexpr int kFirstDrill = 33250;
inline constexpr int kLastDrill = 33299;
// The items of the hardware MIDI keyboard.
inline constexpr int kHardwareSequencer = 32975;
inline constexpr int kMeasureKeyboardRange = 32999;
// The rhythm tasks: one item a level (kRhythmLevel1 + level), then their help text.
inline constexpr int kRhythmLevel1 = 33220;
inline constexpr int kAboutRhythmTasks = 33225;
// Answers by voice: the voice tasks, their help text, the pitch meter and the voice settings.
inline constexpr int kVoiceTone13 = 33200;
inline constexpr int kVoiceTone37 = 33201;
inline constexpr int kVoiceMelody2 = 33202;
inline constexpr int kVoiceMelody4 = 33203;
inline constexpr int kVoiceMelody8 = 33204;
inline constexpr int kAboutVoiceAnswers = 33205;
inline constexpr int kPitchMeter = 33206;
inline constexpr int kVoiceSettings = 33207;
inline constexpr int kVoiceTeacher1 = 33208;
inline constexpr int kVoiceTeacher2 = 33209;
inline constexpr int kVoiceTeacher37 = 33210;
inline constexpr int kVoiceMine13 = 33211;
inline constexpr int kVoiceMine37 = 33212;

// Framework commands of the accelerator table.
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

// View timers.
inline constexpr int kTimerDeferredStart = 55555;
inline constexpr int kTimerVolumeReady = 55556;
inline constexpr int kTimerTimeMeter = 55550;
// Looks for hardware MIDI keyboards plugged in or out, once a second.
inline constexpr int kTimerKeyboardPorts = 55557;

// Child window ids.
inline constexpr int kViewId = 0xE900;
inline constexpr int kControlBarId = 0xE805;
inline constexpr int kStatusBarId = 0xE801;
}  // namespace cmd
