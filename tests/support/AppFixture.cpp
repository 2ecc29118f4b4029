#include "support/AppFixture.h"

#include <algorithm>

#include "app/CChildView.h"
#include "app/TaskTable.h"
#include "log/ResultsLog.h"
#include "platform/FileFolders.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "support/SpyTask.h"
#include "support/PlaceholderTask.h"
#include "text/LanguageTable.h"

AppFixture::AppFixture() {
  dir.CopyLanguageFiles();
  ResetProgramSettings();
  ResetMidiState();
  resultsLog.clear();
  ForgetFileFolders();
  languageTable.SetAll({});
  SetTaskMaker([this](int type) -> std::unique_ptr<CAbstractT> {
    if (std::find(spyTypes.begin(), spyTypes.end(), type) != spyTypes.end()) {
      return std::make_unique<SpyTask>(calls, TaskTypeAt(type).className);
    }
    return std::make_unique<CPlaceholderTask>(TaskTypeAt(type).className, type == kMetronomeType ? 3 : 0);
  });
}

AppFixture::~AppFixture() {
  frame_.reset();
  SetTaskMaker({});
}

void AppFixture::StartProgram() {
  // The window before goes first: its view would otherwise leave the new one without a host.
  frame_.reset();
  frame_ = std::make_unique<CMainFrame>();
  frame_->Create();
}

CChildView& AppFixture::View() { return frame_->View(); }

std::vector<std::string> AppFixture::LogFrom(size_t first) const {
  if (first >= resultsLog.size()) return {};
  return {resultsLog.begin() + static_cast<long>(first), resultsLog.end()};
}
