#pragma once
#include <string>
#include <vector>

// The messages of the status bar's pane. The pane has room for one line, so it shows the
// latest message whole rather than several cut; the earlier ones stay reachable in its
// tooltip, newest first, until they are cleared or pushed out by newer ones.
class StatusMessages {
 public:
  // A message in front; the same text again moves to the front. An empty text clears them all.
  void Add(const std::string& text);
  // The message the pane shows; empty when there is none.
  std::string Latest() const;
  // Every message kept, newest first, one a line.
  std::string AllLines() const;

 private:
  // Newest first.
  std::vector<std::string> messages_;
};
