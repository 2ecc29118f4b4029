#include "dialogs/GeneralMidiNames.h"

namespace gm {

const std::array<const char*, 128> programNames = {
    "Acoustic grand piano", "Bright acoustic piano", "Electric grand piano", "Honky-tonk piano",
    "Electric piano 1", "Electric piano 2", "Harpsichord", "Clavinet",
    "Celesta", "Glockenspiel", "Music box", "Vibraphone",
    "Marimba", "Xylophone", "Tubular bells", "Dulcimer",
    "Drawbar organ", "Percussive organ", "Rock organ", "Church organ",
    "Reed organ", "Accordion", "Harmonica", "Tango accordion",
    "Acoustic guitar (nylon)", "Acoustic guitar (steel)", "Electric guitar (jazz)", "Electric guitar (clean)",
    "Electric guitar (muted)", "Overdriven guitar", "Distortion guitar", "Guitar harmonics",
    "Acoustic bass", "Electric bass (finger)", "Electric bass (pick)", "Fretless bass",
    "Slap bass 1", "Slap bass 2", "Synth bass 1", "Synth bass 2",
    "Violin", "Viola", "Cello", "Contrabass",
    "Tremolo strings", "Pizzicato strings", "Orchestral harp", "Timpani",
    "String ensemble 1", "String ensemble 2", "Synth strings 1", "Synth strings 2",
    "Choir aahs", "Voice oohs", "Synth voice", "Orchestra hit",
    "Trumpet", "Trombone", "Tuba", "Muted trumpet",
    "French horn", "Brass section", "Synth brass 1", "Synth brass 2",
    "Soprano sax", "Alto sax", "Tenor sax", "Baritone sax",
    "Oboe", "English horn", "Bassoon", "Clarinet",
    "Piccolo", "Flute", "Recorder", "Pan flute",
    "Blown bottle", "Shakuhachi", "Whistle", "Ocarina",
    "Lead 1 (square)", "Lead 2 (sawtooth)", "Lead 3 (calliope)", "Lead 4 (chiff)",
    "Lead 5 (charang)", "Lead 6 (voice)", "Lead 7 (fifths)", "Lead 8 (bass + lead)",
    "Pad 1 (new age)", "Pad 2 (warm)", "Pad 3 (polysynth)", "Pad 4 (choir)",
    "Pad 5 (bowed)", "Pad 6 (metallic)", "Pad 7 (halo)", "Pad 8 (sweep)",
    "FX 1 (rain)", "FX 2 (soundtrack)", "FX 3 (crystal)", "FX 4 (atmosphere)",
    "FX 5 (brightness)", "FX 6 (goblins)", "FX 7 (echoes)", "FX 8 (sci-fi)",
    "Sitar", "Banjo", "Shamisen", "Koto",
    "Kalimba", "Bagpipe", "Fiddle", "Shanai",
    "Tinkle bell", "Agogo", "Steel drums", "Woodblock",
    "Taiko drum", "Melodic tom", "Synth drum", "Reverse cymbal",
    "Guitar fret noise", "Breath noise", "Seashore", "Bird tweet",
    "Telephone ring", "Helicopter", "Applause", "Gunshot",
};

const std::array<const char*, kPercussionKeyCount> percussionNames = {
    "Acoustic Bass Drum", "Bass Drum 1", "Side Stick", "Acoustic Snare", "Hand Clap", "Electric Snare",
    "Low Floor Tom", "Closed Hi-Hat", "High Floor Tom", "Pedal Hi-Hat", "Low Tom", "Open Hi-Hat",
    "Low-Mid Tom", "Hi-Mid Tom", "Crash Cymbal 1", "High Tom", "Ride Cymbal 1", "Chinese Cymbal",
    "Ride Bell", "Tambourine", "Splash Cymbal", "Cowbell", "Crash Cymbal 2", "Vibraslap",
    "Ride Cymbal 2", "Hi Bongo", "Low Bongo", "Mute Hi Conga", "Open Hi Conga", "Low Conga",
    "High Timbale", "Low Timbale", "High Agogo", "Low Agogo", "Cabasa", "Maracas",
    "Short Whistle", "Long Whistle", "Short Guiro", "Long Guiro", "Claves", "Hi Wood Block",
    "Low Wood Block", "Mute Cuica", "Open Cuica", "Mute Triangle", "Open Triangle",
};

}  // namespace gm
