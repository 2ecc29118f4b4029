#include "tasks/melody/TeacherMelodyTask.h"

#include <set>
#include <type_traits>

#include "platform/Dialog.h"
#include "platform/FileUrl.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/melody/CSequencedTest13.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace teacher {

namespace {
// The highest note of both pianos.
constexpr int32_t kHighestNote = 72;
}  // namespace

void OfferMelodyFolder(const std::filesystem::path& folder) { common::OfferFolder(folder, txt::kMyMelodiesWhere); }

std::vector<std::string> NotYetReported(const std::vector<std::string>& names) {
  static std::set<std::string> reported;
  std::vector<std::string> fresh;
  for (const std::string& name : names) {
    if (reported.insert(name).second) fresh.push_back(name);
  }
  return fresh;
}

template <class Family, const Level& L>
TeacherMelodyTask<Family, L>::TeacherMelodyTask() {
  this->playbackMode = kNoPlayback;
  this->title = T(kTitle);
  Collection found = ReadFolder(Folder());
  unreadable_ = std::move(found.unreadable);
  for (Melody& m : found.melodies) {
    const std::optional<int32_t> shift = OctaveShiftInto(m, this->LowestNote(), kHighestNote);
    if (!shift) {
      ++leftOut_;
      continue;
    }
    for (Tone& t : m.tones) t.note += *shift;
    melodies_.push_back(std::move(m));
  }
  deck_ = Deck(melodies_.size());
}

template <class Family, const Level& L>
std::filesystem::path TeacherMelodyTask<Family, L>::Folder() const {
  return L.folder ? LevelFolder(L.folder) : MyMelodiesFolder();
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::Start() {
  melody::EnableKeyAndMode(false);
  SetTexts();
  std::string status;
  if (melodies_.empty()) {
    if (L.folder) status = T(txt::kTeacherNoMelodies) + Folder().string();
  } else if (leftOut_ > 0) {
    status = T(txt::kTeacherNotFitting) + std::to_string(leftOut_);
  }
  std::string names;
  for (const std::string& name : NotYetReported(unreadable_)) names += (names.empty() ? "" : ", ") + name;
  if (!names.empty()) status += (status.empty() ? "" : "  ") + T(txt::kTeacherUnreadable) + names;
  if (!status.empty()) GetViewHost().ShowStatus(status);
  if (melodies_.empty() && !L.folder) OfferMelodyFolder(Folder());
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::SetTexts() {
  melody::SetTaskTexts(*this, kKind.startHint, kTitle);
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::OnListenNew() {
  if (melodies_.empty()) {
    if (L.folder) {
      GetViewHost().ShowStatus(T(txt::kTeacherNoMelodies) + Folder().string());
    } else {
      OfferMelodyFolder(Folder());
    }
    return;
  }
  // The name of the melody before goes from the panel.
  showName_ = false;
  if (!this->hintVisible) {
    melody::DrawOnView([this](Dc& dc) {
      melody::UsePaleBackground(dc);
      DrawStatistics(dc);
    });
  }
  Round().ListenNew();
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::OnAnswerClick(MouseFlags&, Point&) {
  Round().AnswerClick();
  melody::EnableKeyAndMode(false);
  if (this->newTaskEnabled && this->tasksGiven > 0 && !showName_) {
    showName_ = true;
    melody::DrawOnView([this](Dc& dc) {
      melody::UsePaleBackground(dc);
      DrawStatistics(dc);
    });
  }
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::ResetStatistics() {
  Round().ResetStatistics();
  melody::EnableKeyAndMode(false);
  showName_ = false;
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::DrawMessages(Dc& dc) {
  // The user's own melodies say where they come from; the line on answering is the same.
  const std::vector<std::string> legend =
      L.folder ? melody::Texts(std::span(kKind.legend).first(kLegendLines))
               : std::vector<std::string>{T(txt::kMyMelodiesLegend), Folder().string(), T(kKind.legend[1])};
  if constexpr (std::is_base_of_v<MonoMelodyTest13, Family>) {
    this->DrawLegendAndStatistics(dc, legend);
  } else {
    this->DrawLegendOrStatistics(dc, legend);
  }
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::DrawStatistics(Dc& dc) {
  std::vector<melody::PanelLine> lines = melody::StatisticsLines(*this);
  std::string name;
  if (showName_ && current_ < melodies_.size()) name = T(txt::kTeacherMelodyName) + melodies_[current_].title;
  lines.push_back({name, melody::kPanelGrey});
  if constexpr (std::is_base_of_v<MonoMelodyTest13, Family>) {
    this->DrawPanelWithPrompt(dc, lines);
  } else {
    this->DrawPanelOverLegend(dc, lines, 10);
  }
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::ChooseMelody() {
  current_ = deck_.Next();
  // The history keeps which melody the task was.
  if (progress::TaskRecord* record = progress::OpenTask()) record->melodyTitle = melodies_[current_].title;
  tones.clear();
  for (const Tone& t : melodies_[current_].tones) tones.push_back(t.note - this->LowestNote());
}

template <class Family, const Level& L>
void TeacherMelodyTask<Family, L>::PlayMelody(uint32_t startMs, const melody::ToneMarks& marks) {
  const std::vector<Tone>& melody = melodies_[current_].tones;
  const uint32_t beat = melody::Beat();
  // Milliseconds from now to the tick, each from the start, so the rounding of one tone never
  // shifts the next.
  auto msAt = [beat, startMs](int32_t tick) {
    return startMs + static_cast<uint32_t>(int64_t{tick} * beat / kTicksPerBeat);
  };
  ToneTimeline timeline(*this);
  for (size_t i = 0; i < melody.size(); ++i) {
    const Tone& tone = melody[i];
    const int32_t key = tone.note - this->LowestNote();
    const uint32_t start = msAt(tone.tick);
    if (marks) timeline.Cue(start, [marks, key] { marks(key, true); });
    // Each tone sounds until the next one cuts it, or until its own end when a rest follows
    // (the note ended is the one sent, wherever the task plays its keys).
    const int32_t end = tone.tick + tone.length;
    if (i + 1 < melody.size() && melody[i + 1].tick > end) {
      timeline.Tone(key, start, msAt(end) - start, melody::kToneChannel);
    } else {
      timeline.PlayNote(start, key, melody::kToneChannel);
    }
    if (marks) timeline.Cue(msAt(end), [marks, key] { marks(key, false); });
  }
  if (!melody.empty()) timeline.AllNotesOff(msAt(melody.back().tick + melody.back().length));
  timeline.Play();
}

template class TeacherMelodyTask<MonoMelodyTest13, kLevel1>;
template class TeacherMelodyTask<MonoMelodyTest13, kLevel2>;
template class TeacherMelodyTask<MonoMelodyTest37, kLevel37>;
template class TeacherMelodyTask<MonoMelodyTest13, kMine13>;
template class TeacherMelodyTask<MonoMelodyTest37, kMine37>;

}  // namespace teacher
