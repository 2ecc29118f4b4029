#include "app/AcceleratorTable.h"

#include "commands/CommandIds.h"

const std::vector<Accelerator>& Accelerators() {
  static const std::vector<Accelerator> table = {
      {Qt::Key_Return, cmd::kEnter},
      {Qt::Key_Enter, cmd::kEnter},
      {Qt::Key_F1, cmd::kHelpBeginners},
      {Qt::CTRL | Qt::Key_C, cmd::kEditCopy},
      {Qt::CTRL | Qt::Key_Insert, cmd::kEditCopy},
      {Qt::SHIFT | Qt::Key_Delete, cmd::kEditCut},
      {Qt::CTRL | Qt::Key_X, cmd::kEditCut},
      {Qt::CTRL | Qt::Key_V, cmd::kEditPaste},
      {Qt::SHIFT | Qt::Key_Insert, cmd::kEditPaste},
      {Qt::ALT | Qt::Key_Backspace, cmd::kEditUndo},
      {Qt::CTRL | Qt::Key_Z, cmd::kEditUndo},
      {Qt::CTRL | Qt::Key_M, cmd::kMidiSettings},
      {Qt::Key_F6, cmd::kNextPane},
      {Qt::SHIFT | Qt::Key_F6, cmd::kPrevPane},
      {Qt::CTRL | Qt::Key_W, cmd::kWarningSettings},
      {Qt::CTRL | Qt::SHIFT | Qt::Key_Delete, cmd::kClearLog},
      {Qt::CTRL | Qt::Key_S, cmd::kSaveLog},
      {Qt::CTRL | Qt::Key_F, cmd::kFontSettings},
      {Qt::CTRL | Qt::Key_L, cmd::kShowLog},
      {Qt::Key_Space, cmd::kListenNew},
      {Qt::Key_R, cmd::kListenAgain},
      {Qt::CTRL | Qt::Key_R, cmd::kResultFontSettings},
      {Qt::CTRL | Qt::Key_P, cmd::kProgress},
  };
  return table;
}
