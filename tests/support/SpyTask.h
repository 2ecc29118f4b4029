#pragma once
#include <string>
#include <vector>

#include "tasks/base/CAbstractT.h"

// A hosted object that records which of its operations the view called, in order.
class SpyTask : public CAbstractT {
 public:
  explicit SpyTask(std::vector<std::string>& calls, std::string name = "spy") : calls_(calls) {
    title = std::move(name);
  }
  void Start() override { calls_.push_back("Start"); }
  void SetTexts() override { calls_.push_back("SetTexts"); }
  void OnListenNew() override { calls_.push_back("OnListenNew"); }
  void OnListenAgain() override { calls_.push_back("OnListenAgain"); }
  void OnEnterKey() override { calls_.push_back("OnEnterKey"); }
  void OnLButtonDown(MouseFlags&, Point& p) override { calls_.push_back(Where("OnLButtonDown", p)); }
  void OnAnswerClick(MouseFlags&, Point& p) override { calls_.push_back(Where("OnAnswerClick", p)); }
  void OnLButtonUp(MouseFlags&, Point&) override { calls_.push_back("OnLButtonUp"); }
  void OnRButtonDown(MouseFlags&, Point&) override { calls_.push_back("OnRButtonDown"); }
  void OnRButtonUp(MouseFlags&, Point&) override { calls_.push_back("OnRButtonUp"); }
  void OnRButtonDblClk(MouseFlags&, Point&) override { calls_.push_back("OnRButtonDblClk"); }
  void AllNotesOff() override { calls_.push_back("AllNotesOff"); }
  void OnTaskButton1() override { calls_.push_back("OnTaskButton1"); }
  void OnTaskButton7() override { calls_.push_back("OnTaskButton7"); }
  void Draw(Dc&) override { calls_.push_back("Draw"); }
  void DrawMessages(Dc&) override { calls_.push_back("DrawMessages"); }

 private:
  static std::string Where(const char* what, const Point& p) {
    return std::string(what) + "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  }
  std::vector<std::string>& calls_;
};
