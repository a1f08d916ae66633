#pragma once

#include <string>

// Save files that could not be written in this run, by path, with the contents
// they should have. They wait in memory until a save of the same file
// succeeds: a load reads them instead of the older file on the disk, so a
// failed save loses nothing the session recorded.
void KeepUnsavedFile(const std::string& path, std::string contents);
void ForgetUnsavedFile(const std::string& path);

// The contents kept for the path, or null.
const std::string* UnsavedFile(const std::string& path);

// Writes every kept file again (at the end of the run); the ones written are
// forgotten. False when one of them still cannot be written.
bool SaveUnsavedFiles();
