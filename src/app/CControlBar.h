#pragma once
#include <QWidget>
#include <map>
#include <string>
#include <vector>

// The task control bar: the controls of template 128 at their dialog-unit positions.
// Clicks, toggles and list selections by the user arrive as Command(id); every repaint of
// the volume slider as SliderDrawn(id).
class CControlBar : public QWidget {
  Q_OBJECT

 public:
  explicit CControlBar(QWidget* parent = nullptr);

  QWidget* Control(int id) const;
  void SetControlText(int id, const std::string& text);
  std::string ControlText(int id) const;
  void EnableControl(int id, bool enable);
  bool IsControlEnabled(int id) const;
  void SetChecked(int id, bool checked);
  bool IsChecked(int id) const;
  void FillList(int id, const std::vector<std::string>& items);
  // Selects an item; -1 selects none.
  void SetListSelection(int id, int index);
  int ListSelection(int id) const;
  std::string ListItemText(int id, int index) const;
  void SetSliderRange(int id, int low, int high);
  void SetSliderPos(int id, int pos);
  int SliderPos(int id) const;

  // Lays the controls out for the dialog font's base units.
  void LayOut();
  QSize sizeHint() const override;

 signals:
  void Command(int id);
  void SliderDrawn(int id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();

  std::map<int, QWidget*> controls_;
};
