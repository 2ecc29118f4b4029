// Weak stand-ins for the UI host registry, so that the sound tests link while the program's
// own hosts are not in the core library yet. They are left out as soon as the tree has them.
#if !__has_include("platform/ScriptedUiHost.h")
#include <cstdlib>

#include "platform/UiHost.h"

namespace {

class SilentUiHost final : public UiHost {
 public:
  int MessageBox(const std::string&, const std::string&, unsigned) override { return 1; }
  int RunModal(CDialog&) override { return 2; }
  std::optional<std::string> FileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<FontDesc> ChooseFont(const FontDesc&) override { return std::nullopt; }
  void OpenUrl(const std::string&) override {}
  [[noreturn]] void ExitProcess(int code) override { std::exit(code); }
};

SilentUiHost silentHost;
UiHost* installedHost = nullptr;

}  // namespace

__attribute__((weak)) UiHost& GetUiHost() { return installedHost ? *installedHost : silentHost; }
__attribute__((weak)) void SetUiHost(UiHost* host) { installedHost = host; }
#endif
