#pragma once
#include <cstdint>
#include <string>

#include "platform/Dialog.h"

// The recording settings the sequencers ask for before every recording: time signature,
// number of measures, quantisation, tempo, title and author, recording channel and three
// options. Title and author are edited with blanks; the caller stores them with "_".
class CSeqDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 219;
  static constexpr int kSignatureList = 1013;
  static constexpr int kMeasuresBox = 1029;
  static constexpr int kQuantizeList = 1030;
  static constexpr int kTempoList = 1031;
  static constexpr int kStartAgainBox = 1033;
  static constexpr int kSaveTempoBox = 1034;
  static constexpr int kTitleBox = 1035;
  static constexpr int kAuthorBox = 1036;
  static constexpr int kChannelList = 1043;
  static constexpr int kEraseChannelBox = 1046;
  // The greatest number of measures taken: lengths stay within what fragment files hold.
  static constexpr int32_t kMaxMeasures = 9999;

  CSeqDialog();

  // Fills the members (title and author with every "_" shown as a blank, the tempo from the
  // current tempo) and runs the dialog; returns IDOK or IDCANCEL.
  int Run(const std::string& title, const std::string& author, int32_t startAgain, int32_t saveTempo,
          int32_t signature, int32_t measures, int32_t quantize, int32_t channel);

  void OnInitDialog() override;
  void DoDataExchange(bool save) override;
  void OnCommand(int id) override;

  int32_t signatureIndex = 3;
  int32_t measures = 0;
  // -1 when the text typed into the box names no entry.
  int32_t quantizeIndex = 3;
  int32_t tempoIndex = 0;
  int32_t channel = 0;
  int32_t startAgain = 1;
  int32_t saveTempo = 0;
  std::string title;
  std::string author;
  int32_t eraseChannel = 1;

 private:
  // Reads the measures box; false (with the standard message) when it holds no valid number.
  bool ReadMeasures(bool complain);
  void EnableStartAgainControls();
};
