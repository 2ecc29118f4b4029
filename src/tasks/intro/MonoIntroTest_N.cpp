#include "tasks/intro/MonoIntroTest_N.h"

#include "platform/ViewHost.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"

MonoIntroTest_1::MonoIntroTest_1() {
  lockAfterAnswer = false;
  playbackMode = kNoPlayback;
  title = T(kTexts.title);
}
void MonoIntroTest_1::SetTexts() {
  SetClassTexts(kTexts);
  if (tasksGiven > 0) LabelRightButton();
}
void MonoIntroTest_1::DrawMessages(Dc& dc) { DrawTitleAndLegend(dc, kTexts, false); }

void MonoIntroTest_1::OnListenNew() {
  common::CountNewTask(*this);
  PlayNewTones(kSteps);
  LabelRightButton();
  common::SetHint(*this, kTexts.hintAfterNew);
}

void MonoIntroTest_1::LabelRightButton() {
  ViewHost& view = GetViewHost();
  for (int id : intro::kAnswerButtons) view.SetControlText(id, "");
  if (direction == 0) {
    view.SetControlText(intro::kSameButton, T(intro::text::kSameCaption));
  } else if (direction > 0) {
    view.SetControlText(intro::kUpButton, T(intro::text::kUpCaption));
  } else {
    view.SetControlText(intro::kDownButton, T(intro::text::kDownCaption));
  }
}
