#include "tasks/voice/VoiceAnswers.h"

#include "progress/Recorder.h"
#include "tasks/base/CAbstractT.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/base/KeyboardNotes.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace voice {

int32_t PlaceSungNote(int32_t sungNote, int32_t targetNote, bool exactOctave, int32_t lowest, int32_t highest) {
  if (exactOctave) return sungNote;
  int32_t semitones = ((sungNote - targetNote) % 12 + 12) % 12;
  if (semitones >= 6) semitones -= 12;
  int32_t note = targetNote + semitones;
  while (note < lowest) note += 12;
  while (note > highest) note -= 12;
  return note;
}

std::string SungLine(std::span<const SungTone> tones) {
  if (tones.empty()) return {};
  std::string line = T(txt::kVoiceSung);
  for (size_t i = 0; i < tones.size(); ++i) {
    if (i > 0) line += ", ";
    line += StrFormat("%s %+d %s", NoteName(tones[i].sungNote).c_str(), tones[i].centsOff, T(txt::kVoiceCents).c_str());
  }
  return line;
}

std::optional<SungKey> AnswerOnPiano(const SungAnswer& answer, int32_t shift, int32_t targetNote, int32_t lowest,
                                     int32_t highest) {
  // Back at the piano's pitch.
  const int32_t heard = answer.note - shift;
  const int32_t placed = PlaceSungNote(heard, targetNote, CurrentVoiceJudging().exactOctave, lowest, highest);
  if (placed < lowest || placed > highest) {
    common::SetHintText(T(txt::kVoiceOutsidePiano) + NoteName(answer.note));
    return std::nullopt;
  }
  const SungKey key{placed, {answer.note, (placed - targetNote) * 100 + answer.cents}};
  NoteVoiceAnswer(key.tone.centsOff);
  return key;
}

void DrawSungLine(CAbstractT& task, Dc& dc, std::span<const SungTone> tones) {
  const Point at = task.TextLineAt(kSungLine);
  const int height = dc.GetTextExtent("Ag").cy + 4;
  const Rect place{at.x - 4, at.y - 2, task.clientRect.right - 2, at.y + height - 2};
  const Font old = dc.SelectFont(task.messageFont);
  dc.FillRect(place, task.paleGreyBrush);
  common::UsePaleBackground(dc);
  dc.SetTextColor({0, 0, 160});
  dc.TextOut(place.left + 4, place.top + 2, SungLine(tones));
  dc.SelectFont(old);
}

void NoteVoiceAnswer(int32_t centsOff) {
  progress::NoteAnswerInput(progress::AnswerInput::kVoice);
  progress::NoteVoiceDeviation(centsOff);
}

}  // namespace voice
