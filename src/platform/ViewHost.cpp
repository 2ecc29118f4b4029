#include "platform/ViewHost.h"

namespace {

class NoViewHost final : public ViewHost {
 public:
  Rect ClientRect() const override { return {}; }
  void Invalidate() override {}
  void InvalidateRect(const Rect&) override {}
  void InvalidateRegion(const Region&) override {}
  void UpdateWindow() override {}
  std::unique_ptr<Dc> GetDC() override { return nullptr; }
  void SetCursor(CursorKind) override {}
  void PostToUi(std::function<void()> task) override { task(); }
  void SetControlText(int, const std::string&) override {}
  std::string ControlText(int) const override { return {}; }
  void EnableControl(int, bool) override {}
  bool IsControlEnabled(int) const override { return false; }
  void CreateButton(int, const std::string&, const Rect&) override {}
  void MoveControl(int, const Rect&) override {}
  void DestroyControl(int) override {}
  void SetClockStart(uint32_t ms) override { clockStart_ = ms; }
  uint32_t ClockStart() const override { return clockStart_; }

 private:
  uint32_t clockStart_ = 0;
};

NoViewHost noView;
ViewHost* current = nullptr;

}  // namespace

ViewHost& GetViewHost() { return current ? *current : noView; }
void SetViewHost(ViewHost* host) { current = host; }
