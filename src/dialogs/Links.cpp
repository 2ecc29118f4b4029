#include "dialogs/Links.h"

#include <string>
#include <string_view>

#include "platform/UiHost.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace links {

void Open(const char* url) {
  UiHost& host = GetUiHost();
  if (host.OpenUrl(url)) return;
  std::string_view address(url);
  constexpr std::string_view kMailto = "mailto:";
  if (address.starts_with(kMailto)) address = address.substr(kMailto.size(), address.find('?') - kMailto.size());
  host.MessageBox(T(txt::kNoLinkHandler) + std::string(address), T(0), MB_OK | MB_ICONINFORMATION);
}

}  // namespace links
