#pragma once

// Interface texts beyond the original 441 (ids 0-440). They are appended, in id order, to every
// shipped language file and to the translator's guide (lang_files/guide.tsv). A language file that
// ends before one of them (an older custom file) gets the English text for it.
namespace txt {
inline constexpr int kFirstAdded = 441;

// One past the last text id.
inline constexpr int kEnd = 441;
}  // namespace txt
