#pragma once
#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "music/MusicalTables.h"
#include "music/NoteEvent.h"
#include "platform/Colour.h"
#include "platform/Cursor.h"
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

// Playback modes of timer playback.
enum PlaybackMode : int32_t {
  kNoPlayback = 0,
  kFragmentPlayback = 1,
  kSequencerPlayback = 2,
  kMetronomePlayback = 3,
};

// What a sequencer or the player is doing, as the status bar tells it.
enum class PlaybackState { kCountIn, kRecording, kPlaying, kStopped };

// Mouse flags as the window message gives them.
using MouseFlags = uint32_t;

// A MIDI short message: status in bits 0-7, data 1 in bits 8-15, data 2 in bits 16-23.
using MidiMessage = uint32_t;

// The base of everything the main view hosts: tasks, sequencers, player, metronome, tuning fork.
// The view talks to it only through the virtual operations below, whose order is fixed.
class CAbstractT {
 public:
  CAbstractT();
  // Slot 0.
  virtual ~CAbstractT();
  CAbstractT(const CAbstractT&) = delete;
  CAbstractT& operator=(const CAbstractT&) = delete;

  virtual void OnTaskButton1() {}                          // 1: view command 107
  virtual void OnTaskButton2() {}                          // 2: 108
  virtual void OnTaskButton3() {}                          // 3: 109
  virtual void OnTaskButton4() {}                          // 4: 110
  virtual void OnTaskButton5() {}                          // 5: 111
  virtual void OnTaskButton6() {}                          // 6: 112
  virtual void OnTaskButton7() {}                          // 7: 113
  virtual void OnMidiInNote(MidiMessage /*message*/) {}    // 8
  virtual void StartTimer(uint32_t periodMs);              // 9
  virtual void StartTimerAtTempo();                        // 10
  virtual void StopTimer();                                // 11
  virtual void Start() {}                                  // 12
  virtual void SetTexts() {}                               // 13
  virtual void OnListenNew() {}                            // 14
  virtual void OnListenAgain() {}                          // 15
  virtual void OnEnterKey() {}                             // 16
  virtual void OnRButtonDown(MouseFlags&, Point&) {}       // 17
  virtual void OnRButtonUp(MouseFlags&, Point&) {}         // 18
  virtual void OnRButtonDblClk(MouseFlags&, Point&) {}     // 19
  virtual void OnAnswerClick(MouseFlags&, Point&) {}       // 20
  virtual void OnLButtonDown(MouseFlags&, Point&) {}       // 21
  virtual void OnLButtonUp(MouseFlags&, Point&) {}         // 22
  virtual void OnMouseMove(MouseFlags&, Point&) {}         // 23
  virtual void Draw(Dc& /*dc*/) {}                         // 24
  virtual void DrawMessages(Dc& /*dc*/) {}                 // 25
  // 26: the ten text lines of the message area; a null line is skipped.
  virtual void DrawTextLines(Dc& dc, const char* line1, const char* line2 = nullptr, const char* line3 = nullptr,
                             const char* line4 = nullptr, const char* line5 = nullptr, const char* line6 = nullptr,
                             const char* line7 = nullptr, const char* line8 = nullptr, const char* line9 = nullptr,
                             const char* line10 = nullptr);
  virtual void ClearTextLines(Dc& dc);                     // 27
  virtual void ClearTextLinesAgain(Dc& dc);                // 28
  // Where DrawTextLines writes line 1..10.
  Point TextLineAt(int line) const;
  virtual void PlayNote(int32_t key, int32_t channel);     // 29
  virtual void NoteOn(int32_t key);                        // 30
  virtual void NoteOff(int32_t key);                       // 31
  virtual void AllNotesOff();                              // 32
  virtual void WriteStatistics();                          // 33
  virtual void ResetStatistics();                          // 34

  // Shows the busy cursor, waits ms milliseconds on the millisecond clock, shows the arrow.
  void WaitMs(uint32_t ms);
  // Appends the task header: text 426 followed by the title, then 75 "=".
  void WriteLogHeader();
  // Sets lastTick and barCount from the events and the time signature.
  void ComputeLength();

  // Timer playback fields, shared with the timer thread.
  uint32_t timerId = 0;
  std::atomic<int32_t> currentTick{0};
  std::atomic<int32_t> lastTick{0};
  std::atomic<bool> timerRunning{false};
  std::atomic<int32_t> beatInBar{0};
  std::array<Rect, 9> beatLamps{};
  std::array<int32_t, 16> ticksPerBar{};
  std::vector<std::string> signatureNames;
  std::atomic<bool> recording{false};
  bool taskButtonCreated = false;
  int32_t playbackMode = kNoPlayback;
  std::vector<NoteEvent> events;
  // Playback's index of events (kept in file order for saving): (tick, position) sorted, built
  // under eventsLock when a timer starts. Events appended later are looked at one by one.
  std::vector<std::pair<int32_t, uint32_t>> tickIndex;
  size_t indexedEvents = 0;
  // The keys of events are keyboard notes (note - 36, any MIDI note), never percussion codes:
  // every event sounds key + 36 on its channel, and the notes a channel strikes at one tick
  // sound together until that channel strikes again. Changed only under eventsLock.
  bool keysAreNotes = false;
  // Notes from the hardware keyboard are echoed on activeChannel instead of the first channel,
  // so that the player hears the instrument of the channel being recorded.
  bool echoesOnActiveChannel = false;
  // The notes of each channel sounding from such events (timer playback, under eventsLock).
  std::array<std::bitset<128>, 16> chordNotes{};
  int32_t barCount = 0;
  std::atomic<bool> playing{false};
  // Shows the state on the user-interface thread; the timer playback posts to it when the
  // count-in gives way to the recording and when it comes to its end. Null: nothing is told.
  void (*showPlaybackState)(PlaybackState state) = nullptr;
  Rect clientRect{};
  // Set by hosted objects whose Draw paints every pixel of the client area: the view then
  // leaves out erasing the background first, which on a large, scaled screen costs as much
  // as the whole drawing.
  bool drawsWholeClient = false;

  // Counters of the task.
  int32_t attempt = 0;
  int32_t failures = 0;
  int32_t tasksGiven = 0;
  int32_t solvedFirst = 0;
  int32_t solvedSecond = 0;
  int32_t solvedThird = 0;
  int32_t repeatsTotal = 0;
  int32_t repeatsInTask = 0;
  int32_t pressedKey = 0;
  int32_t lastKey = 0;
  std::atomic<int32_t> signatureIndex{3};
  bool newTaskEnabled = true;
  bool listenAgainEnabled = false;
  bool hintVisible = true;
  uint32_t flashStart = 0;
  uint32_t flashNow = 0;

  CursorKind handCursor = CursorKind::Hand;
  CursorKind waitCursor = CursorKind::Wait;
  CursorKind arrowCursor = CursorKind::Arrow;
  Font messageFont;
  Font resultFont;

  // What the task shows outside painting, kept so that every paint shows it again and a
  // language change words it anew. The message line: its text, made at each drawing, and its
  // colour; no text while nothing was shown there. The hint box: no text while the start hint
  // stands.
  struct KeptMessage {
    std::function<std::string()> text;
    Colour colour{};
  };
  KeptMessage message;
  std::function<std::string()> hint;

  Brush blackBrush{0, 0, 0};
  Brush paleGreyBrush{240, 240, 240};
  Brush lightGreyBrush{230, 230, 230};
  Brush darkGreyBrush{47, 47, 47};
  Brush whiteBrush{255, 255, 255};
  Brush greenBrush{0, 255, 0};
  Brush redBrush{255, 0, 0};

  // Scale membership of every key: 48 rows (four scale families on 12 tonics) of 37 keys.
  ScaleTable scaleTable{};
  std::string title;
  bool statisticsEnabled = false;

  // Guards the timer callback's pass over events and every append to events.
  std::mutex eventsLock;

  // The periodic timer's callback; user is the task object (timer thread).
  static void TimerCallback(void* user);
};

// Set while the timer callback runs.
inline std::atomic<bool> callbackRunning{false};

// Called on the timer thread at the end of a playback, after the timer has been stopped and before
// the callback returns (tests use it to meet the callback's last moments).
inline void (*playbackEndHook)() = nullptr;
