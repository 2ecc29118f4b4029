#pragma once
#include <string>

#include "tasks/base/CAbstractT.h"

// A plain hosted object for tests that need the view without a real task: it draws the
// name of the class it stands for.
class CPlaceholderTask : public CAbstractT {
 public:
  CPlaceholderTask(std::string className, int32_t mode);
  const std::string& ClassName() const { return className_; }

  void Start() override;
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;

 private:
  std::string className_;
};
