#pragma once

#include <string>

// For a person checking the art against the region map: every texture of
// `assetFolder` on a checkerboard, each region outlined and labelled (blue:
// painted today, orange dashes: game art still to come), written to
// `outFolder` as "<entry>.contact.png".
bool WriteContactSheets(const std::string& assetFolder, const std::string& outFolder, std::string& error);
