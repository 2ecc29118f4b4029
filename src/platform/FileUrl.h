#pragma once
#include <filesystem>
#include <string>

// The file: address of a local file or folder, as the desktop's shell takes it: every byte of
// the path but letters, digits, '-', '.', '_', '~' and '/' percent-encoded, so that a blank,
// '#' or '?' in a folder name stays part of the path.
std::string FileUrl(const std::filesystem::path& path);
