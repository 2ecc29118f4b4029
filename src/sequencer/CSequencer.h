#pragma once
#include <cstdint>
#include <string>

#include "formats/FragmentFile.h"
#include "formats/MidiFile.h"
#include "tasks/base/CAbstractT.h"

// The fragment's title and author, shared by the sequencers, the player and the fragment
// files: UTF-8, every blank already replaced by "_".
inline std::string fragmentTitle;
inline std::string fragmentAuthor;

// What the recording sequencers and the player add to their task base: the file and
// recording settings of the fragment and the fragment file commands. The commands work on
// the task object they are mixed into, which the caller hands in.
class CSequencer {
 public:
  // Empties the fragment's title and author and makes channel 0 the recording channel.
  CSequencer();
  virtual ~CSequencer() = default;
  CSequencer(const CSequencer&) = delete;
  CSequencer& operator=(const CSequencer&) = delete;

  // Asks for a fragment file and reads it into the task: events, tempo, signature, title,
  // author, velocities and programs (each program is sent at once), then the length.
  // False when the user cancelled or the file could not be read (nothing changed then).
  // With withMidiFiles the dialog offers Standard MIDI Files too (the player); a file is
  // read as one when its content is one, whatever its name, and one named ".mid" or ".midi"
  // that is none is refused with a message. A MIDI file's tempo is told in the status bar.
  bool LoadFragment(CAbstractT& task, bool withMidiFiles = false);
  // The three writing commands below name a file that cannot be written, with the reason, in
  // an "Error!" message; the fragment and the remembered path and folder then stay as they were.
  // Asks for a file name and writes the fragment as a Standard MIDI File there; key k
  // sounds MIDI note k + keyToNote, as on the piano that recorded it.
  void ExportMidiFile(CAbstractT& task, int32_t keyToNote);
  // Asks for a file name and writes the fragment there; the path is remembered once written.
  void SaveFragmentAs(CAbstractT& task);
  // Writes to the remembered path, or asks for a name when there is none.
  void SaveFragment(CAbstractT& task);

  // Full path of the file last saved through a file dialog; empty after loading.
  std::string filePath;
  // The folder of the last "Save as".
  std::string fileFolder;
  bool buttonsCreated = false;
  int32_t quantizeIndex = 3;
  int32_t startAgain = 1;
  int32_t saveTempo = 0;
  std::string title;
  std::string author;

 private:
  // False, after telling the user why, when the file cannot be written.
  bool WriteFragment(CAbstractT& task, const std::string& path) const;
  // What a fragment file of the task holds now.
  fragment::Content ContentOf(CAbstractT& task) const;
};

namespace sequencer {
// The fragment as a Standard MIDI File's song: one track per channel with notes, each note
// lasting to the next one of its channel (the last to lastTick), at the channel's velocity
// and program; the tempo at which tempoIndex plays (twelve timer ticks to the quarter note),
// the time signature and the title.
smf::Song SongOfFragment(const fragment::Content& content, int32_t lastTick, int32_t keyToNote);
// The reverse, into the records of a fragment file: notes as events of key note - 36
// (moved by octaves onto keys 0-36), tempo and signature where the file has a listed one,
// programs, the first velocity of each channel, the title.
void SongToFragment(const smf::Song& song, fragment::Sink& sink);
// Grid in ticks of a quantize index; 0 for none, 12 for an index outside the list.
int32_t GridOf(int32_t quantizeIndex);
// Snaps the tick to the nearer point of the grid (truncating division; a tie goes to the
// earlier point). A grid of 0 keeps the tick.
int32_t Quantize(int32_t tick, int32_t grid);
// Selects the tempo in the control bar's tempo box.
void ShowTempo(int32_t index);
// Tells in the status bar what the sequencer or the player is doing ("Recording (channel 3)"
// names activeChannel). The tasks' showPlaybackState.
void ShowState(PlaybackState state);
}  // namespace sequencer
