#include "tasks/drills/Drill.h"

namespace drills {

const std::string& TitleIn(const Drill& drill, int32_t languageIndex) {
  const Titles& t = drill.title;
  const std::string* titles[] = {&t.english, &t.german, &t.russian, &t.portuguese};
  if (languageIndex < 1 || languageIndex > 3) return t.english;
  const std::string& title = *titles[languageIndex];
  return title.empty() ? t.english : title;
}

}  // namespace drills
