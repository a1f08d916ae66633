#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Writing the asset archive format (see src/media/Archive.h).

// One file to be stored: its entry name and its bytes.
struct GobEntry {
    std::string name;
    std::vector<uint8_t> data;
};

// Reads every regular file below folder into entries, named by their path
// relative to folder with "\" between the parts ("Sounds\klick_game.wav"),
// sorted by name so that the same folder always packs to the same bytes.
bool CollectFolder(const std::filesystem::path& folder, std::vector<GobEntry>& entries, std::string& error);

// The archive holding entries in the given order: header, directory, then the
// data in directory order. Refuses what a reader could not find again: no
// entries, a name that is empty or longer than 259 bytes, two names equal but
// for letter case, an entry above the size limit, an archive beyond 4 GiB.
bool BuildArchive(const std::vector<GobEntry>& entries, std::vector<uint8_t>& out, std::string& error);

// Packs every file below folder into the archive file.
bool PackFolder(const std::filesystem::path& folder, const std::filesystem::path& archive, std::string& error);

// Writes bytes to a temporary file beside path and renames it over path, so
// that a failed write leaves any older file whole.
bool WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string& error);
