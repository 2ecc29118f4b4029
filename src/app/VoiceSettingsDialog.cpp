#include "app/VoiceSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/VoiceInput.h"
#include "listen/InputDevices.h"
#include "tasks/base/KeyboardNotes.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

QString Text(int id) { return QString::fromStdString(T(id)); }

enum class Measuring { kNothing, kLowest, kHighest };

class VoiceSettingsDialog : public QDialog {
 public:
  VoiceSettingsDialog(VoiceInput& voice, QWidget* parent) : QDialog(parent), voice_(voice), settings_(voice.Settings()) {
    setWindowTitle(Text(txt::kVoiceSettingsTitle));
    auto* form = new QFormLayout;
    devices_ = new QComboBox;
    devices_->addItem(Text(txt::kVoiceDefaultDevice), QString());
    for (const InputDevice& device : ListInputDevices()) {
      devices_->addItem(QString::fromStdString(device.description.empty() ? device.name : device.description),
                        QString::fromStdString(device.name));
      if (device.name == settings_.inputDevice) devices_->setCurrentIndex(devices_->count() - 1);
    }
    form->addRow(Text(txt::kVoiceDeviceLabel), devices_);
    level_ = new QProgressBar;
    level_->setRange(0, 60);
    level_->setTextVisible(false);
    form->addRow(Text(txt::kVoiceLevelLabel), level_);
    tolerance_ = new QSpinBox;
    tolerance_->setRange(kLowestToleranceCents, kHighestToleranceCents);
    tolerance_->setValue(settings_.toleranceCents);
    form->addRow(Text(txt::kVoiceToleranceLabel), tolerance_);
    exactOctave_ = new QCheckBox(Text(txt::kVoiceExactOctave));
    exactOctave_->setChecked(settings_.exactOctave);
    form->addRow(exactOctave_);
    range_ = new QLabel;
    form->addRow(range_);
    auto* buttons = new QHBoxLayout;
    auto* lowest = new QPushButton(Text(txt::kVoiceSingLowest));
    auto* highest = new QPushButton(Text(txt::kVoiceSingHighest));
    buttons->addWidget(lowest);
    buttons->addWidget(highest);
    form->addRow(buttons);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lowest, &QPushButton::clicked, this, [this] { Measure(Measuring::kLowest); });
    connect(highest, &QPushButton::clicked, this, [this] { Measure(Measuring::kHighest); });
    ShowRange();
    listener_ = voice_.AddListener([this](std::span<const PitchFrame> frames, std::span<const SungNote> notes) {
      if (!frames.empty()) level_->setValue(int(std::clamp(frames.back().levelDb + 60, 0.0f, 60.0f)));
      for (const SungNote& note : notes) Heard(note.midi);
    });
  }
  ~VoiceSettingsDialog() override { voice_.RemoveListener(listener_); }

  VoiceSettings Chosen() const {
    VoiceSettings chosen = settings_;
    chosen.inputDevice = devices_->currentData().toString().toStdString();
    chosen.toleranceCents = tolerance_->value();
    chosen.exactOctave = exactOctave_->isChecked();
    return chosen;
  }

 private:
  void Measure(Measuring what) {
    measuring_ = what;
    range_->setText(Text(txt::kVoiceSingAndHold));
  }
  void Heard(int note) {
    if (measuring_ == Measuring::kNothing) return;
    (measuring_ == Measuring::kLowest ? low_ : high_) = note;
    measuring_ = Measuring::kNothing;
    // Both ends sung: the range, whichever was sung first.
    if (low_ > 0 && high_ > 0) settings_.range = {std::min(low_, high_), std::max(low_, high_)};
    ShowRange();
  }
  void ShowRange() {
    std::string range = T(txt::kVoiceRange);
    if (settings_.range.Known()) {
      range += NoteName(settings_.range.lowest) + " - " + NoteName(settings_.range.highest);
    } else if (low_ > 0 || high_ > 0) {
      range += NoteName(std::max(low_, high_)) + " ...";
    } else {
      range += T(txt::kVoiceRangeUnknown);
    }
    range_->setText(QString::fromStdString(range));
  }

  VoiceInput& voice_;
  VoiceSettings settings_;
  QComboBox* devices_ = nullptr;
  QProgressBar* level_ = nullptr;
  QSpinBox* tolerance_ = nullptr;
  QCheckBox* exactOctave_ = nullptr;
  QLabel* range_ = nullptr;
  int listener_ = 0;
  Measuring measuring_ = Measuring::kNothing;
  int low_ = 0;
  int high_ = 0;
};

}  // namespace

void EditVoiceSettings(VoiceInput& voice, QWidget* parent) {
  VoiceSettingsDialog dialog(voice, parent);
  if (dialog.exec() == QDialog::Accepted) voice.ChangeSettings(dialog.Chosen());
}
