#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/Colour.h"
#include "tasks/voice/VoiceHook.h"

class CAbstractT;
class Dc;

// What the voice tasks share beyond their template: where a sung note lands on the piano and
// how the tones sung are told.
namespace voice {

// One tone sung in the current attempt.
struct SungTone {
  int32_t sungNote = 0;  // the MIDI note the student held
  int32_t centsOff = 0;  // from the tone asked for (its octave, or its nearest one)
};

// The note of the piano (lowest..highest) a sung note answers for when targetNote is asked
// for. By pitch class, the note of its name nearest the target, then moved by octaves into
// the piano; with the exact octave the note itself (possibly off the piano).
int32_t PlaceSungNote(int32_t sungNote, int32_t targetNote, bool exactOctave, int32_t lowest, int32_t highest);

// A held note as an answer on the piano: the piano's note it plays, and the tone as told.
struct SungKey {
  int32_t pianoNote = 0;
  SungTone tone;
};
// Where a held note answers on the piano lowest..highest when targetNote is asked for, by the
// voice settings (shift: semitones the task plays its tones above the piano's keys), and the
// progress history told that the task is answered by voice; none when it lies off the piano,
// and the hint says so.
std::optional<SungKey> AnswerOnPiano(const SungAnswer& answer, int32_t shift, int32_t targetNote, int32_t lowest,
                                     int32_t highest);

// "Sung: E4 +12 ct, G4 -105 ct" in the language of the moment; empty without tones.
std::string SungLine(std::span<const SungTone> tones);

// The message area's text line of the tones sung: the last one, below the voice legend and
// the statistics.
inline constexpr int kSungLine = 10;
// Draws SungLine(tones) on that line of the task, over what stood there.
void DrawSungLine(CAbstractT& task, Dc& dc, std::span<const SungTone> tones);

// A held note goes the hardware keyboard's way as a note-on of this velocity.
inline constexpr uint32_t kSungVelocity = 100;
// The colour a wrong sung note's key is marked in, as the student's.
inline constexpr Brush kStudentBrush{90, 140, 255};

// The program's own tones reach the microphone as well: notes the student began to hold
// before this long after the program stopped playing (or a key was clicked) are not answers.
inline constexpr uint32_t kEchoMs = 250;
inline constexpr uint32_t kClickEchoMs = 1500;

// Tells the progress history that the open task is being answered by voice, with this
// answer's cents from the tone asked for.
void NoteVoiceAnswer(int32_t centsOff);

}  // namespace voice
