#pragma once
#include <array>
#include <cstdint>
#include <type_traits>

#include "tasks/melody/MelodyRound.h"
#include "tasks/melody/MonoMelodyTest13.h"
#include "tasks/melody/MonoMelodyTest37.h"
#include "text/LanguageTable.h"

namespace melody {

// A melody repetition task of Tones tones on the piano of its family (MonoMelodyTest13 or
// MonoMelodyTest37): the program plays the melody, the student plays it back key by key;
// three attempts, then the melody is shown in red. The round itself is MelodyRound; the
// concrete classes differ only in the numbers they give here.
template <class Family, int Tones, int Title, const MelodyKind& Kind, bool LeavesToneSounding = false>
class MelodyTask : public Family {
 public:
  static constexpr int kTitle = Title;
  static constexpr const MelodyKind& kKind = Kind;
  // A single tone that sounds on after it is played, until the next note or reset.
  static constexpr bool kLeavesToneSounding = LeavesToneSounding;

  MelodyTask() {
    this->playbackMode = kNoPlayback;
    this->title = T(kTitle);
  }

  void Start() override { Round().Start(); }
  void SetTexts() override { Round().SetTexts(); }
  void OnListenNew() override { Round().ListenNew(); }
  void OnListenAgain() override { Round().ListenAgain(); }
  void OnAnswerClick(MouseFlags&, Point&) override { Round().AnswerClick(); }
  void ResetStatistics() override { Round().ResetStatistics(); }
  void DrawMessages(Dc& dc) override {
    if constexpr (std::is_base_of_v<MonoMelodyTest13, Family>) {
      this->DrawLegendAndStatistics(dc, melody::Texts(kKind.legend));
    } else {
      this->DrawLegendOrStatistics(dc, melody::Texts(kKind.legend));
    }
  }

  // The melody of the current task, first tone first.
  std::array<int32_t, Tones> tones{};
  // Keys accepted so far in the current attempt (melodies of more than one tone).
  int32_t enteredCount = 0;

 private:
  MelodyRound<MelodyTask> Round() { return MelodyRound<MelodyTask>(*this); }
};

}  // namespace melody
