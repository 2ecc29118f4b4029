#pragma once
#include <string>

#include "tasks/base/CAbstractT.h"

// Stands in for a task family that is not built yet: it draws the name of the class it replaces.
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
