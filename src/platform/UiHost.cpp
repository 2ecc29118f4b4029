#include "platform/UiHost.h"

#include <cstdlib>

#include "platform/Dialog.h"

namespace {
class NullUiHost final : public UiHost {
 public:
  int MessageBox(const std::string&, const std::string&, unsigned) override { return IDOK; }
  int RunModal(CDialog&) override { return IDCANCEL; }
  std::optional<std::string> FileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<FontDesc> ChooseFont(const FontDesc&) override { return std::nullopt; }
  void OpenUrl(const std::string&) override {}
  [[noreturn]] void ExitProcess(int code) override { std::exit(code); }
};
NullUiHost nullHost;
UiHost* current = nullptr;
}  // namespace

UiHost& GetUiHost() { return current ? *current : nullHost; }
void SetUiHost(UiHost* host) { current = host; }
