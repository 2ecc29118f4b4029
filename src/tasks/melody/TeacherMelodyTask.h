#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tasks/melody/MelodyCommon.h"
#include "tasks/melody/MelodyLibrary.h"
#include "tasks/melody/MelodyRound.h"
#include "tasks/melody/MonoMelodyTest13.h"
#include "tasks/melody/MonoMelodyTest37.h"

namespace teacher {

// A set of melodies a task draws from: a shipped level's folder, or (folder nullptr) the
// user's own melodies; the title of the task in the log.
struct Level {
  const char* folder;
  int titleId;
};

// Start hint, hint after a new task; the start screen's two legend lines.
inline constexpr melody::MelodyKind kTeacherKind{123, 138, {224, 225}};
inline constexpr size_t kLegendLines = 2;

// A melody repetition task whose melodies come from a level of the library: chosen at
// random, each once until all of the level have been given, moved by whole octaves onto the
// piano of the family (MonoMelodyTest13 or MonoMelodyTest37) or left out when they cannot
// be. The rules, counters, hints, marks and panel are those of the random melodies
// (MelodyRound); the melody plays in its own rhythm at the tempo of the control bar. Key
// and mode belong to the melody, so their boxes stay disabled. Once a task is over the
// panel names the melody.
template <class Family, const Level& L>
class TeacherMelodyTask : public Family {
 public:
  static constexpr int kTitle = L.titleId;
  static constexpr const melody::MelodyKind& kKind = kTeacherKind;

  TeacherMelodyTask();

  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override { Round().ListenAgain(); }
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void ResetStatistics() override;
  void DrawMessages(Dc& dc) override;
  void DrawStatistics(Dc& dc) override;

  // The next melody of the level into tones.
  void ChooseMelody();
  // Sends the current melody: each tone at its tick, one beat being twelve ticks at the
  // tempo of the control bar, on the first channel; a tone followed by a rest is ended at its
  // own length; all notes off after the last. marks, when set, is told as each tone begins
  // and ends.
  // The melody in its own rhythm at the tempo, startMs from now, all on the sound timeline at once.
  void PlayMelody(uint32_t startMs, const melody::ToneMarks& marks);

  // Keys of the current melody, first tone first.
  std::vector<int32_t> tones;
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;

  // The melodies that fit the piano, moved onto it; how many were left out.
  const std::vector<Melody>& Melodies() const { return melodies_; }
  size_t LeftOut() const { return leftOut_; }
  // Index in Melodies() of the melody of the current (or last) task.
  size_t Current() const { return current_; }

 private:
  melody::MelodyRound<TeacherMelodyTask> Round() { return melody::MelodyRound<TeacherMelodyTask>(*this); }
  std::filesystem::path Folder() const;

  std::vector<Melody> melodies_;
  std::vector<std::string> unreadable_;
  size_t leftOut_ = 0;
  Deck deck_{0};
  size_t current_ = 0;
  // The panel names the melody (the task is over).
  bool showName_ = false;
};

// The status bar names each unreadable melody file once in a run: the names not named yet.
std::vector<std::string> NotYetReported(const std::vector<std::string>& names);

// "My melodies" without a melody: a question that says where the .aro and .mid files go and
// offers to open that folder, made first if need be.
void OfferMelodyFolder(const std::filesystem::path& folder);

}  // namespace teacher
