#pragma once
#include <cstdint>
#include <functional>
#include <string>

// The main view's MIDI handling.

// Deferred start: opens the input (with the hardware keyboard option) and output device 0,
// then sends program change 0 on channel 0 and the volume on all channels. Without an output
// device it shows the error and ends the process with exit code 1.
void OpenMidiDevices();
// Destruction of the view: closes the output and, when it is open, the input.
void CloseMidiDevices();
// The hardware keyboard option or its port changed in the MIDI settings: the input is closed
// and, with the option on, opened again on the chosen port (a failure says so, as at start).
void ReopenMidiInput();
// The receiver of the notes played on the keyboard (the view's MIDI-in data handler): the
// note-ons with a velocity of channel 0, called on the user-interface thread in the order they
// came, a few each turn of its event loop. They wait in a queue of fixed size while that
// thread is busy; a note that finds it full is dropped (DroppedKeyboardNotes counts them).
// An empty function drops them.
void SetMidiInReceiver(std::function<void(uint32_t)> receiver);
// Routing of one incoming short message, in two steps. On the input's own thread, as it comes:
// note-on and note-off of channel 0 are echoed to the output, on channel 0 or, while
// SetMidiInEchoChannel asks for it, on the active channel. Then on the user-interface thread:
// a note-on with a velocity is handed to the note sink (the view's task); a note-on with
// velocity 0 is a note-off, as keyboards send them. Nothing else is routed.
void EchoMidiIn(uint32_t message);
void SetMidiInEchoChannel(bool onActiveChannel);
void RouteMidiInData(uint32_t message, const std::function<void(uint32_t)>& noteSink);
uint64_t DroppedKeyboardNotes();
// Called on the input's thread with the arrival time (the program's millisecond clock) of every
// note-on with a velocity, as it comes; nullptr: none. It must only note the time and return.
void SetMidiInNoteWatcher(void (*watcher)(uint32_t arrivalMs));
// With the hardware keyboard's input open: connects it to the keyboards plugged in since the
// last call and lets go of those unplugged. Gives the status bar's line about it, or an empty
// text when nothing changed; at the first call after opening, also when no keyboard is there.
std::string ConnectKeyboards();
// One line for the status bar when there is no sound (no audio device); empty otherwise.
std::string SoundStatusText();
// The audio latency setting to the audio output (reopened with it when it runs).
void ApplyAudioLatency();
// Receives the status bar's line about the sound that comes later (a raised latency), on the
// user-interface thread; an empty function drops it.
void SetSoundNoticeReceiver(std::function<void(const std::string&)> receiver);
