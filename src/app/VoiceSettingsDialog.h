#pragma once
class QWidget;
class VoiceInput;

// The voice settings (Options): input device, a live level meter, the tolerance in cents,
// the exact octave, and the singing range measured by singing its lowest and highest note.
// OK keeps them in the settings file.
void EditVoiceSettings(VoiceInput& voice, QWidget* parent);
