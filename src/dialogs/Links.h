#pragma once

// The addresses the Help menu and the about box hand to the system shell.
namespace links {
inline constexpr const char* kWebsite = "https://aurelo.app/";
inline constexpr const char* kMakerPage = "https://aurelo.app/software-for-musicians/";
inline constexpr const char* kSupportMail = "mailto:support@aurelo.app?subject=Aurelo";

// Opens the address with the desktop's browser or mail program; where there is none, a message
// box shows the address so that it can be copied.
void Open(const char* url);
}  // namespace links
