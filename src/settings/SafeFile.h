#pragma once

#include <string>
#include <string_view>

// Replaces the file at path with contents so that it is either the old file or
// the complete new one: the bytes go to "<path>.tmp" in the same folder, are
// flushed to the disk, and the temporary file is renamed over the old one.
// On any failure the old file stays as it was and false is returned.
bool WriteFileSafely(const std::string& path, std::string_view contents);
