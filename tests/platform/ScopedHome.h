#pragma once
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/TestFolder.h"

// HOME and XDG_CONFIG_HOME in a fresh folder for the lifetime of a test, as the desktop's
// folder lookups see them; both are put back afterwards.
class ScopedHome {
 public:
  ScopedHome() : oldHome_(Get("HOME")), oldConfig_(Get("XDG_CONFIG_HOME")) {
    std::filesystem::create_directories(Home() + "/.config");
    ::setenv("HOME", Home().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (Home() + "/.config").c_str(), 1);
  }
  ~ScopedHome() {
    Put("HOME", oldHome_);
    Put("XDG_CONFIG_HOME", oldConfig_);
  }
  ScopedHome(const ScopedHome&) = delete;
  ScopedHome& operator=(const ScopedHome&) = delete;

  std::string Home() const { return folder_.Path("home"); }
  // Names $HOME/name the documents folder in user-dirs.dirs and makes it; its full path.
  std::string MakeDocuments(const std::string& name) {
    std::ofstream(Home() + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/" << name << "\"\n";
    std::filesystem::create_directories(Home() + "/" + name);
    return Home() + "/" + name;
  }

 private:
  static std::optional<std::string> Get(const char* name) {
    const char* value = ::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static void Put(const char* name, const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  }

  TestFolder folder_;
  std::optional<std::string> oldHome_;
  std::optional<std::string> oldConfig_;
};
