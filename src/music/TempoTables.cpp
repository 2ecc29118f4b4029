#include "music/TempoTables.h"

#include <algorithm>

const std::array<const char*, kTempoCount> tempoNames = {
    "40 Largo",     "42 Largo",          "44 Largo",          "46 Largo",
    "48 Largo",     "50 Largo",          "52 Largo",          "54 Largo",
    "56 Largo",     "58 Largo",          "60 Largo/Larghetto", "63 Larghetto",
    "66 Larghetto/Adagio", "69 Adagio",  "72 Adagio",         "76 Adagio/Andante",
    "80 Andante",   "84 Andante",        "88 Andante",        "92 Andante",
    "96 Andante",   "100 Andante",       "104 Andante",       "108 Andante/Moderato",
    "112 Moderato", "116 Moderato",      "120 Moderato/Allegro", "126 Allegro",
    "132 Allegro",  "138 Allegro",       "144 Allegro",       "152 Allegro",
    "160 Allegro",  "168 Allegro/Presto", "176 Presto",       "184 Presto",
    "192 Presto",   "200 Presto/Prestissimo", "208 Prestissimo",
};

const std::array<int32_t, kTempoCount> msPerBeat = {
    1500, 1429, 1364, 1304, 1250, 1200, 1154, 1111, 1071, 1034, 1000, 952, 909,
    870,  833,  789,  750,  714,  682,  652,  625,  600,  577,  556,  536, 517,
    500,  476,  455,  435,  417,  395,  375,  357,  341,  326,  313,  300, 288,
};

const std::array<int32_t, kTempoCount> msPerTick = {
    125, 119, 114, 109, 104, 100, 96, 93, 89, 86, 83, 79, 76, 72, 69, 66, 63, 60, 57, 54,
    52,  50,  48,  46,  45,  43,  42, 40, 38, 36, 35, 33, 31, 30, 28, 27, 26, 25, 24,
};

int32_t ClampTempoIndex(int32_t index) { return std::clamp(index, 0, kTempoCount - 1); }
