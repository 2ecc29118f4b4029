// The menu and the accelerator table, whole, against their copies here: a shifted command or
// text id, a lost row or a key sending the wrong command fails.
#include <QKeySequence>
#include <QShortcut>
#include <string>
#include <vector>

#include "app/AcceleratorTable.h"
#include "app/CChildView.h"
#include "app/MenuTable.h"
#include "commands/CommandIds.h"
#include "support/AppFixture.h"
#include "text/TextIds.h"

namespace {

// "popup text ids > ... : command / text id" for every item, in menu order.
void Flatten(const std::vector<MenuEntry>& entries, const std::string& path, std::vector<std::string>& out) {
  for (const MenuEntry& e : entries) {
    if (e.IsPopup()) {
      Flatten(e.children, path + std::to_string(e.textId) + ">", out);
    } else {
      out.push_back(path + std::to_string(e.commandId) + "/" + std::to_string(e.textId));
    }
  }
}

std::string Item(const std::string& path, int command, int text) {
  return path + std::to_string(command) + "/" + std::to_string(text);
}

TEST(MenuTable, EveryItemWithItsCommandTextAndPopup) {
  std::vector<std::string> items;
  Flatten(MenuTable(), "", items);
  const std::vector<std::string> expected = {
      "20>32929/26", "20>32931/27", "20>32933/28", "20>29>32981/-1", "20>29>32994/-1", "20>29>32982/-1",
      "20>29>32996/-1", "20>29>32986/-1", "20>57665/30",
      "21>31>32794/36", "21>31>32796/37", "21>31>32798/38", "21>31>32800/39", "21>31>32802/40",
      "21>32>41>32809/43", "21>32>41>32811/44", "21>32>41>32813/45", "21>32>41>32815/46", "21>32>41>32817/47",
      "21>32>42>32806/43", "21>32>42>32780/44", "21>32>42>32785/45", "21>32>42>32787/46", "21>32>42>32789/47",
      "21>33>41>32962/48", Item("21>33>41>", 33110, txt::kTeacherLevel2Item),
      Item("21>33>41>", 33111, txt::kTeacherMine13Item), "21>33>32983/42",
      Item("21>33>", 33112, txt::kTeacherMine37Item),
      "21>34>49>32843/51", "21>34>49>32845/52", "21>34>49>32846/53",
      "21>34>50>32852/51", "21>34>50>32855/52", "21>34>50>32856/53",
      "21>35>33004/54", "21>35>33005/55",
      "22>32977/56", "22>32999/57",
      "23>58>32964/61", "23>58>32967/62", "23>58>32979/63", "23>32975/59", "23>32969/60",
      "24>64>32945/67", "24>64>32971/68", "24>64>32987/69", "24>64>32990/70", "24>32826/65", "24>32966/66",
      Item("24>", 33100, txt::kProgressMenuItem),
      "25>57664/71", "25>105/72", "25>32863/73", "25>32958/74", "25>32956/75", "25>32923/76", "25>32985/77",
      "25>32984/78",
  };
  EXPECT_EQ(items, expected);
}

struct KeyRow {
  const char* keys;
  int command;
};

TEST(AcceleratorTable, EveryKeySendsItsCommand) {
  const std::vector<KeyRow> expected = {
      {"Return", 32864}, {"Enter", 32864}, {"F1", 105}, {"Ctrl+C", 57634}, {"Ctrl+Ins", 57634},
      {"Shift+Del", 57635}, {"Ctrl+X", 57635}, {"Ctrl+V", 57637}, {"Shift+Ins", 57637},
      {"Alt+Backspace", 57643}, {"Ctrl+Z", 57643}, {"Ctrl+M", 32971}, {"F6", 57680}, {"Shift+F6", 57681},
      {"Ctrl+W", 32945}, {"Ctrl+Shift+Del", 32933}, {"Ctrl+S", 32929}, {"Ctrl+F", 32987}, {"Ctrl+L", 32931},
      {"Space", 1000}, {"R", 1001}, {"Ctrl+R", 32990}, {"Ctrl+P", 33100},
  };
  const std::vector<Accelerator>& table = Accelerators();
  ASSERT_EQ(table.size(), expected.size());
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(QKeySequence(table[i].keys), QKeySequence(QString::fromLatin1(expected[i].keys))) << i;
    EXPECT_EQ(table[i].command, expected[i].command) << expected[i].keys;
  }
}

class FrameShortcuts : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
    calls.clear();
  }
  // Fires the frame's shortcut for the keys as the key press would.
  void Press(const char* keys) {
    for (QShortcut* s : Frame().findChildren<QShortcut*>()) {
      if (s->key() == QKeySequence(QString::fromLatin1(keys))) {
        emit s->activated();
        return;
      }
    }
    ADD_FAILURE() << "no shortcut for " << keys;
  }
};

// The frame makes one shortcut per row; Space and R act only while their button is enabled.
TEST_F(FrameShortcuts, SpaceAndRActOnlyWhileTheirButtonIsEnabled) {
  EXPECT_EQ(Frame().findChildren<QShortcut*>().size(), static_cast<qsizetype>(Accelerators().size()));
  View().Task().newTaskEnabled = false;
  View().Task().listenAgainEnabled = false;
  View().UpdateControls();
  Press("Space");
  Press("R");
  Press("Return");
  EXPECT_EQ(calls, (std::vector<std::string>{"OnEnterKey"}));
  View().Task().newTaskEnabled = true;
  View().Task().listenAgainEnabled = true;
  View().UpdateControls();
  calls.clear();
  Press("Space");
  Press("R");
  EXPECT_EQ(calls, (std::vector<std::string>{"OnListenNew", "OnListenAgain"}));
}

}  // namespace
