#pragma once
#include <string>

#include "sequencer/CSequencer.h"
#include "tasks/base/CAbstractT.h"

// Opens a musical fragment file, shows its title, author, time signature and length, and
// plays it by timer at the tempo of the control bar. It has no piano.
class CSeqPlayer : public CAbstractT, public CSequencer {
 public:
  CSeqPlayer();
  ~CSeqPlayer() override;

  void Start() override;
  void SetTexts() override;
  // Play / stop.
  void OnListenNew() override;
  // Open a file.
  void OnListenAgain() override;
  // The information panel.
  void DrawMessages(Dc& dc) override;

  // Title and author as shown: every "_" as a blank.
  std::string shownTitle;
  std::string shownAuthor;
};
