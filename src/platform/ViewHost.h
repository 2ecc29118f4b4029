#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Cursor.h"
#include "platform/Dc.h"
#include "platform/Geometry.h"
#include "platform/Region.h"

// What the hosted task may ask of the window it lives in: repainting, a device context
// outside painting, the cursor, and the controls of the control bar and of the view.
class ViewHost {
 public:
  virtual ~ViewHost() = default;

  virtual Rect ClientRect() const = 0;
  // Adds to the pending dirty region; the next paint erases it and redraws the task there.
  virtual void Invalidate() = 0;
  virtual void InvalidateRect(const Rect& rect) = 0;
  virtual void InvalidateRegion(const Region& region) = 0;
  // Paints what is pending now.
  virtual void UpdateWindow() = 0;
  // A device context on the back buffer; what it draws is shown when it is released.
  virtual std::unique_ptr<Dc> GetDC() = 0;
  virtual void SetCursor(CursorKind cursor) = 0;
  // Runs the function on the user-interface thread (queued when called from another thread).
  // Only that thread paints: the timer thread posts its painting here.
  virtual void PostToUi(std::function<void()> task) = 0;

  // Controls of the control bar and the view's own child controls, by id.
  virtual void SetControlText(int id, const std::string& text) = 0;
  virtual std::string ControlText(int id) const = 0;
  virtual void EnableControl(int id, bool enable) = 0;
  virtual bool IsControlEnabled(int id) const = 0;

  // Controls the task creates in the view itself (ids 106-113). Their texts and enabled
  // state go through the operations above; clicks reach the view's command dispatch.
  virtual void CreateButton(int id, const std::string& text, const Rect& rect) = 0;
  // A drop-down list; a choice by the user reaches the dispatch as command id.
  virtual void CreateList(int id, const Rect& rect, const std::vector<std::string>& items, int selected) = 0;
  // The selected item of such a list, -1 for none or no such list.
  virtual int ListSelection(int id) const = 0;
  virtual void MoveControl(int id, const Rect& rect) = 0;
  virtual void DestroyControl(int id) = 0;

  // The millisecond time at which the first task of the current count was given.
  virtual void SetClockStart(uint32_t ms) = 0;
  virtual uint32_t ClockStart() const = 0;

  // A message in the status bar's pane, shown whole in place of the one before (which its
  // tooltip keeps); an empty text clears them all. A host without a pane shows nothing.
  virtual void ShowStatus(const std::string& /*text*/) {}
};

// A host without a window: drawing goes to a scratch image, posted work runs at once, the
// rest does nothing. It stands in while no view exists; tests derive their hosts from it.
class NullViewHost : public ViewHost {
 public:
  NullViewHost();
  ~NullViewHost() override;
  Rect ClientRect() const override { return {}; }
  void Invalidate() override {}
  void InvalidateRect(const Rect&) override {}
  void InvalidateRegion(const Region&) override {}
  void UpdateWindow() override {}
  std::unique_ptr<Dc> GetDC() override;
  void SetCursor(CursorKind) override {}
  void PostToUi(std::function<void()> task) override { task(); }
  void SetControlText(int, const std::string&) override {}
  std::string ControlText(int) const override { return {}; }
  void EnableControl(int, bool) override {}
  bool IsControlEnabled(int) const override { return false; }
  void CreateButton(int, const std::string&, const Rect&) override {}
  void CreateList(int, const Rect&, const std::vector<std::string>&, int) override {}
  int ListSelection(int) const override { return -1; }
  void MoveControl(int, const Rect&) override {}
  void DestroyControl(int) override {}
  void SetClockStart(uint32_t ms) override { clockStart_ = ms; }
  uint32_t ClockStart() const override { return clockStart_; }

 private:
  struct Scratch;
  std::unique_ptr<Scratch> scratch_;
  uint32_t clockStart_ = 0;
};

// The host of the current view; a host that does nothing while no view exists.
ViewHost& GetViewHost();
void SetViewHost(ViewHost* host);
