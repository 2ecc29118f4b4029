#pragma once

// The interface languages' names by language index, as the language menu shows them in every
// language.
inline constexpr const char* kLanguageNames[5] = {"English", "German", "Russian", "Portuguese", "Custom"};
