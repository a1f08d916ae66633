#pragma once

#include <string>

// Renders every frame of the intro scene, synthesizes its jingle and encodes
// both into the AVI file at `path`. False (with the reason) on failure; no
// file is left behind then.
bool WriteIntro(const std::string& path, std::string& error);
