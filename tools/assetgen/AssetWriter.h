#pragma once

#include <string>

// Draws every texture and synthesizes every sound effect into `folder`
// (sounds in its "Sounds" subfolder), creating the folders as needed.
// Returns false and describes the problem in `error` when a file cannot be written.
bool WriteAllAssets(const std::string& folder, std::string& error);
