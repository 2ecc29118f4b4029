#pragma once

// Interface texts beyond the original 441 (ids 0-440). They are appended, in id order, to every
// shipped language file and to the translator's guide (lang_files/guide.tsv). A language file that
// ends before one of them (an older custom file) gets the English text for it.
namespace txt {
// The caption of the control bar's "listen again" button, which every task and tool sets.
inline constexpr int kListenAgainCaption = 85;

inline constexpr int kFirstAdded = 441;

// The progress history and its window.
inline constexpr int kProgressBase = kFirstAdded;
inline constexpr int kProgressMenuItem = kProgressBase + 0;
inline constexpr int kProgressCaption = kProgressBase + 1;
inline constexpr int kProgressFamilyLabel = kProgressBase + 2;
inline constexpr int kProgressAllFamilies = kProgressBase + 3;
// Seven family names from here, in the order of progress::Family from kToneSearch.
inline constexpr int kProgressFamilyToneSearch = kProgressBase + 4;
inline constexpr int kProgressFamilyMelody = kProgressBase + 5;
inline constexpr int kProgressFamilyExam = kProgressBase + 6;
inline constexpr int kProgressFamilyTeacher = kProgressBase + 7;
inline constexpr int kProgressFamilyChordRecognition = kProgressBase + 8;
inline constexpr int kProgressFamilyChordPlaying = kProgressBase + 9;
inline constexpr int kProgressPeriodLabel = kProgressBase + 10;
inline constexpr int kProgressLast7 = kProgressBase + 11;
inline constexpr int kProgressLast30 = kProgressBase + 12;
inline constexpr int kProgressLast365 = kProgressBase + 13;
inline constexpr int kProgressAllTime = kProgressBase + 14;
inline constexpr int kProgressExport = kProgressBase + 15;
inline constexpr int kProgressClear = kProgressBase + 16;
inline constexpr int kProgressClose = kProgressBase + 17;
inline constexpr int kProgressTasksPerDay = kProgressBase + 18;
inline constexpr int kProgressFirstShare = kProgressBase + 19;
inline constexpr int kProgressKey = kProgressBase + 20;
inline constexpr int kProgressMode = kProgressBase + 21;
inline constexpr int kProgressTasks = kProgressBase + 22;
inline constexpr int kProgressFirstPercent = kProgressBase + 23;
inline constexpr int kProgressSolvedPercent = kProgressBase + 24;
inline constexpr int kProgressChordPlayed = kProgressBase + 25;
inline constexpr int kProgressAnsweredAs = kProgressBase + 26;
inline constexpr int kProgressTimes = kProgressBase + 27;
inline constexpr int kProgressSummary = kProgressBase + 28;
inline constexpr int kProgressClearQuestion = kProgressBase + 29;
inline constexpr int kProgressCsvFilter = kProgressBase + 30;
// A file the user saves (fragment, MIDI export, CSV export, report) cannot be written: followed by its path.
inline constexpr int kFileUnwritable = kProgressBase + 31;
inline constexpr int kProgressDamaged = kProgressBase + 32;
inline constexpr int kProgressUnwritable = kProgressBase + 33;
inline constexpr int kProgressEmpty = kProgressBase + 34;
inline constexpr int kProgressEnd = kProgressBase + 35;

// The teacher-melody tasks, their melodies and Standard MIDI Files.
inline constexpr int kTeacherBase = kProgressEnd;
inline constexpr int kTeacherLevel2Item = kTeacherBase + 0;
inline constexpr int kTeacherMine13Item = kTeacherBase + 1;
inline constexpr int kTeacherMine37Item = kTeacherBase + 2;
inline constexpr int kTeacherLevel1Title = kTeacherBase + 3;
inline constexpr int kTeacherLevel2Title = kTeacherBase + 4;
inline constexpr int kTeacher37Title = kTeacherBase + 5;
inline constexpr int kTeacherMine13Title = kTeacherBase + 6;
inline constexpr int kTeacherMine37Title = kTeacherBase + 7;
inline constexpr int kTeacherMelodyName = kTeacherBase + 8;
inline constexpr int kTeacherNoMelodies = kTeacherBase + 9;
inline constexpr int kTeacherUnreadable = kTeacherBase + 10;
inline constexpr int kTeacherNotFitting = kTeacherBase + 11;
inline constexpr int kMidiExportButton = kTeacherBase + 12;
inline constexpr int kMidiExportCaption = kTeacherBase + 13;
inline constexpr int kMidiExportFilter = kTeacherBase + 14;
inline constexpr int kMidiOpenFilter = kTeacherBase + 15;
inline constexpr int kMidiUnreadable = kTeacherBase + 16;
inline constexpr int kMidiCaption = kTeacherBase + 17;
inline constexpr int kTeacherEnd = kTeacherBase + 18;

// Files the program refuses to read.
inline constexpr int kFileRefused = kTeacherEnd;

// A Help link with neither browser nor mail program to open it: followed by the address.
inline constexpr int kNoLinkHandler = kFileRefused + 1;

// The sequencer that records a hardware MIDI keyboard, and the keyboard's measured range.
inline constexpr int kKeyboardSeqBase = kNoLinkHandler + 1;
// Its help lines that differ from the on-screen sequencers' lines 1 and 4.
inline constexpr int kKeyboardSeqHelpRecord = kKeyboardSeqBase + 0;
inline constexpr int kKeyboardSeqHelpChords = kKeyboardSeqBase + 1;
// Followed by "lowest - highest" MIDI note.
inline constexpr int kKeyboardRangePrefix = kKeyboardSeqBase + 2;
inline constexpr int kKeyboardRangeUnknown = kKeyboardSeqBase + 3;
inline constexpr int kKeyboardSeqEnd = kKeyboardSeqBase + 4;

// The hardware MIDI keyboard: its connection in the status bar, answers played on it, its
// input port in the MIDI settings.
inline constexpr int kKeyboardBase = kKeyboardSeqEnd;
// Status bar, followed by the ports' names.
inline constexpr int kKeyboardConnected = kKeyboardBase + 0;
inline constexpr int kKeyboardLost = kKeyboardBase + 1;
inline constexpr int kKeyboardNone = kKeyboardBase + 2;
// Hint, followed by the lowest and highest note the piano takes from the keyboard ("C3 - C6").
inline constexpr int kKeyboardPlayBetween = kKeyboardBase + 3;
// Added to it with the measured keyboard, followed by which C of the keyboard the range begins at.
inline constexpr int kKeyboardFromC = kKeyboardBase + 4;
inline constexpr int kKeyboardPortLabel = kKeyboardBase + 5;
inline constexpr int kKeyboardAllPorts = kKeyboardBase + 6;
inline constexpr int kKeyboardEnd = kKeyboardBase + 7;

// Start-up, when the task of the last session could not be built: the program begins with the
// first task instead.
inline constexpr int kStoredTaskNotStarted = kKeyboardEnd;

// What a new user needs told: the hardware keyboard's check box in the MIDI settings, where
// "My melodies" come from, and a working folder that cannot be written.
inline constexpr int kNewUserBase = kStoredTaskNotStarted + 1;
inline constexpr int kKeyboardCheckBox = kNewUserBase + 0;
// "My melodies" without a melody: followed by the folder, then the question on its own line.
inline constexpr int kMyMelodiesWhere = kNewUserBase + 1;
inline constexpr int kMyMelodiesOpenQuestion = kNewUserBase + 2;
// The first legend line of "My melodies"; the folder follows on the next line.
inline constexpr int kMyMelodiesLegend = kNewUserBase + 3;
// Status bar at start, followed by the working folder.
inline constexpr int kDataFolderReadOnly = kNewUserBase + 4;
inline constexpr int kNewUserEnd = kNewUserBase + 5;

// The status bar about saved files and about what the sequencers and the player are doing.
inline constexpr int kStatusBase = kNewUserEnd;
// Followed by the full path of the file just saved.
inline constexpr int kSaved = kStatusBase + 0;
inline constexpr int kSeqCountIn = kStatusBase + 1;
// Followed by the channel number (1-16) and ")".
inline constexpr int kSeqRecording = kStatusBase + 2;
inline constexpr int kSeqPlaying = kStatusBase + 3;
inline constexpr int kSeqStopped = kStatusBase + 4;
// Followed by the number of the tempo list's entry that a MIDI file set.
inline constexpr int kMidiTempoFromFile = kStatusBase + 5;
inline constexpr int kStatusEnd = kStatusBase + 6;

// The audio latency choice of the MIDI settings, and the status bar's line when the program
// had to raise the latency.
inline constexpr int kAudioLatencyBase = kStatusEnd;
inline constexpr int kAudioLatencyLabel = kAudioLatencyBase + 0;
// The list's items in the order of the choices: low, normal, safe.
inline constexpr int kAudioLatencyLow = kAudioLatencyBase + 1;
inline constexpr int kAudioLatencyNormal = kAudioLatencyBase + 2;
inline constexpr int kAudioLatencySafe = kAudioLatencyBase + 3;
// Followed by the new latency, e.g. "21 ms".
inline constexpr int kAudioLatencyRaised = kAudioLatencyBase + 4;
inline constexpr int kAudioLatencyEnd = kAudioLatencyBase + 5;

// The progress window's later families, its list of answer inputs (in the order of
// progress::AnswerInput) and the voice answers' mean deviation.
inline constexpr int kProgressMoreBase = kAudioLatencyEnd;
inline constexpr int kProgressFamilyRhythm = kProgressMoreBase + 0;
inline constexpr int kProgressFamilyIntervals = kProgressMoreBase + 1;
inline constexpr int kProgressFamilyScales = kProgressMoreBase + 2;
inline constexpr int kProgressFamilyInversions = kProgressMoreBase + 3;
inline constexpr int kProgressInputLabel = kProgressMoreBase + 4;
inline constexpr int kProgressAnyInput = kProgressMoreBase + 5;
inline constexpr int kProgressInputMouse = kProgressMoreBase + 6;
inline constexpr int kProgressInputKeyboard = kProgressMoreBase + 7;
inline constexpr int kProgressInputVoice = kProgressMoreBase + 8;
inline constexpr int kProgressInputClap = kProgressMoreBase + 9;
inline constexpr int kProgressMeanCents = kProgressMoreBase + 10;
inline constexpr int kProgressMoreEnd = kProgressMoreBase + 11;

// The drills of intervals, scales and chord inversions: the names of what they ask, their
// answer dialog, their menu items, help text and messages.
inline constexpr int kDrillBase = kProgressMoreEnd;
// The intervals of 0-16 semitones, the scales in the order of drills::Scale, the chord
// positions (root, first, second, third), the directions (ascending, descending, harmonic).
inline constexpr int kDrillIntervalNames = kDrillBase + 0;
inline constexpr int kDrillScaleNames = kDrillBase + 17;
inline constexpr int kDrillPositionNames = kDrillBase + 30;
inline constexpr int kDrillDirectionNames = kDrillBase + 34;
inline constexpr int kDrillDialogCaption = kDrillBase + 37;
inline constexpr int kDrillAsk = kDrillBase + 38;
inline constexpr int kDrillAsk2 = kDrillBase + 39;
inline constexpr int kDrillAsk3 = kDrillBase + 40;
inline constexpr int kDrillAskAfterClose = kDrillBase + 41;
inline constexpr int kDrillMenu = kDrillBase + 42;
inline constexpr int kDrillMyExercises = kDrillBase + 43;
inline constexpr int kDrillMyExercisesFolder = kDrillBase + 44;
inline constexpr int kDrillAboutItem = kDrillBase + 45;
inline constexpr int kDrillHelpCaption = kDrillBase + 46;
// Three parts, joined.
inline constexpr int kDrillHelpBody = kDrillBase + 47;
inline constexpr int kDrillHelpBodyLast = kDrillBase + 49;
// Followed by one line per file.
inline constexpr int kDrillBrokenFiles = kDrillBase + 50;
// Followed by the folder on the next line.
inline constexpr int kDrillFolderWhere = kDrillBase + 51;
inline constexpr int kDrillStartHint = kDrillBase + 52;
inline constexpr int kDrillPlayHint = kDrillBase + 53;
inline constexpr int kDrillPlayOnlyHint = kDrillBase + 54;
// Followed by "2 / 4".
inline constexpr int kDrillLevel = kDrillBase + 55;
inline constexpr int kDrillNextLevel = kDrillBase + 56;
inline constexpr int kDrillNone = kDrillBase + 57;
inline constexpr int kDrillTitle = kDrillBase + 58;
inline constexpr int kDrillEnd = kDrillBase + 59;

// The rhythm tasks: menu, hints and messages, the timeline's labels, the log line, the
// buttons of tolerance, claps and calibration, and the help text.
inline constexpr int kRhythmBase = kDrillEnd;
inline constexpr int kRhythmPopup = kRhythmBase + 0;
// The five levels' menu items, which are the tasks' titles too.
inline constexpr int kRhythmLevel1 = kRhythmBase + 1;
inline constexpr int kRhythmHelpItem = kRhythmBase + 6;
inline constexpr int kRhythmStartHint = kRhythmBase + 7;
inline constexpr int kRhythmListenHint = kRhythmBase + 8;
inline constexpr int kRhythmYourTurn = kRhythmBase + 9;
inline constexpr int kRhythmRetryHint = kRhythmBase + 10;
inline constexpr int kRhythmRevealedHint = kRhythmBase + 11;
inline constexpr int kRhythmRowRhythm = kRhythmBase + 12;
inline constexpr int kRhythmRowTaps = kRhythmBase + 13;
inline constexpr int kRhythmInTime = kRhythmBase + 14;
inline constexpr int kRhythmEarly = kRhythmBase + 15;
inline constexpr int kRhythmLate = kRhythmBase + 16;
inline constexpr int kRhythmMissing = kRhythmBase + 17;
inline constexpr int kRhythmExtra = kRhythmBase + 18;
// The log line, followed by the rhythm as written and the counts.
inline constexpr int kRhythmLogLine = kRhythmBase + 19;
inline constexpr int kRhythmCalibrateButton = kRhythmBase + 20;
inline constexpr int kRhythmClapsOn = kRhythmBase + 21;
inline constexpr int kRhythmClapsOff = kRhythmBase + 22;
// Followed by the percentage of a beat.
inline constexpr int kRhythmToleranceButton = kRhythmBase + 23;
inline constexpr int kRhythmCalibrateHint = kRhythmBase + 24;
// Followed by the delay measured.
inline constexpr int kRhythmCalibrated = kRhythmBase + 25;
inline constexpr int kRhythmCalibrationFailed = kRhythmBase + 26;
// Followed by the file, line and reason.
inline constexpr int kRhythmNoLevel = kRhythmBase + 27;
// Followed by the sound server's reason.
inline constexpr int kRhythmMicProblem = kRhythmBase + 28;
inline constexpr int kRhythmLegendInputs = kRhythmBase + 29;
// Followed by the tolerance in ms.
inline constexpr int kRhythmLegendTolerance = kRhythmBase + 30;
inline constexpr int kRhythmHelpFirst = kRhythmBase + 31;
inline constexpr int kRhythmHelpLast = kRhythmBase + 36;
inline constexpr int kRhythmEnd = kRhythmBase + 37;

// Answers by voice: the voice tasks, the microphone's status, the pitch meter, the voice
// settings and their help text.
inline constexpr int kVoiceBase = kRhythmEnd;
inline constexpr int kVoicePopup = kVoiceBase + 0;
// Menu items and titles of the voice tasks.
inline constexpr int kVoiceTone13 = kVoiceBase + 1;
inline constexpr int kVoiceTone37 = kVoiceBase + 2;
inline constexpr int kVoiceMelody2 = kVoiceBase + 3;
inline constexpr int kVoiceMelody4 = kVoiceBase + 4;
inline constexpr int kVoiceMelody8 = kVoiceBase + 5;
// Followed by the tones sung, each "E4 +12 ct".
inline constexpr int kVoiceSung = kVoiceBase + 6;
inline constexpr int kVoiceCents = kVoiceBase + 7;
// Followed by the name of the note sung.
inline constexpr int kVoiceOutsidePiano = kVoiceBase + 8;
// Followed by the input device's name.
inline constexpr int kMicrophoneOn = kVoiceBase + 9;
inline constexpr int kMicrophoneOff = kVoiceBase + 10;
// Followed by the sound server's reason.
inline constexpr int kMicrophoneUnavailable = kVoiceBase + 11;
inline constexpr int kVoiceNeedsMicrophone = kVoiceBase + 12;
inline constexpr int kPitchMeterItem = kVoiceBase + 13;
inline constexpr int kPitchMeterTitle = kVoiceBase + 14;
inline constexpr int kPitchMeterSilent = kVoiceBase + 15;
inline constexpr int kVoiceSettingsItem = kVoiceBase + 16;
inline constexpr int kVoiceSettingsTitle = kVoiceBase + 17;
inline constexpr int kVoiceDeviceLabel = kVoiceBase + 18;
inline constexpr int kVoiceDefaultDevice = kVoiceBase + 19;
inline constexpr int kVoiceLevelLabel = kVoiceBase + 20;
inline constexpr int kVoiceToleranceLabel = kVoiceBase + 21;
inline constexpr int kVoiceExactOctave = kVoiceBase + 22;
// Followed by the range ("C3 - G4") or kVoiceRangeUnknown.
inline constexpr int kVoiceRange = kVoiceBase + 23;
inline constexpr int kVoiceRangeUnknown = kVoiceBase + 24;
inline constexpr int kVoiceSingLowest = kVoiceBase + 25;
inline constexpr int kVoiceSingHighest = kVoiceBase + 26;
inline constexpr int kVoiceSingAndHold = kVoiceBase + 27;
inline constexpr int kVoiceHelpItem = kVoiceBase + 28;
inline constexpr int kVoiceHelpCaption = kVoiceBase + 29;
inline constexpr int kVoiceHelpFirst = kVoiceBase + 30;
inline constexpr int kVoiceHelpLast = kVoiceBase + 35;
inline constexpr int kVoiceStartHint = kVoiceBase + 36;
// The hint after a new task; the legend lines of the voice tasks.
inline constexpr int kVoiceHintTone = kVoiceBase + 37;
inline constexpr int kVoiceHintMelody = kVoiceBase + 38;
inline constexpr int kVoiceLegendTone = kVoiceBase + 39;
inline constexpr int kVoiceLegendMelody = kVoiceBase + 40;
inline constexpr int kVoiceLegendHold = kVoiceBase + 41;
inline constexpr int kVoiceLegendHeadphones = kVoiceBase + 42;
inline constexpr int kVoiceLegendMarks = kVoiceBase + 43;
// After kMicrophoneUnavailable and the reason, on a greyed voice menu item.
inline constexpr int kVoiceTryAgain = kVoiceBase + 44;
// Menu items and titles of the teacher melodies sung back.
inline constexpr int kVoiceTeacher1 = kVoiceBase + 45;
inline constexpr int kVoiceTeacher2 = kVoiceBase + 46;
inline constexpr int kVoiceTeacher37 = kVoiceBase + 47;
inline constexpr int kVoiceMine13 = kVoiceBase + 48;
inline constexpr int kVoiceMine37 = kVoiceBase + 49;
inline constexpr int kVoiceEnd = kVoiceBase + 50;

// The hints of an interval drill answered by singing its second (upper) tone; the sentence
// after them where the drill may be answered by name too.
inline constexpr int kDrillVoiceBase = kVoiceEnd;
inline constexpr int kDrillSing = kDrillVoiceBase + 0;
inline constexpr int kDrillSingUpper = kDrillVoiceBase + 1;
inline constexpr int kDrillSingOrName = kDrillVoiceBase + 2;
// Before the first task of a drill answered by singing.
inline constexpr int kDrillSingStartHint = kDrillVoiceBase + 3;
inline constexpr int kDrillVoiceEnd = kDrillVoiceBase + 4;

// One past the last text id.
inline constexpr int kEnd = kDrillVoiceEnd;
}  // namespace txt
