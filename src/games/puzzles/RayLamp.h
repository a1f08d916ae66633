#pragma once

#include <cstdint>

// One of the 32 lamps around the atoms board: where it stands, and what the
// ray that went in or came out there did.
struct RayLamp {
    // Centre on the screen.
    float x = 0.0f;
    float y = 0.0f;
    // Board position just outside the board: -1 or 8 on one axis.
    int column = 0;
    int row = 0;
    // The ray fired here was sent back at once by the atom at the reflection cell.
    bool reflected = false;
    int reflectionColumn = 0;
    int reflectionRow = 0;
    // The ray fired here ran into the atom at the absorbing cell.
    bool absorbed = false;
    int absorbingColumn = 0;
    int absorbingRow = 0;
    // A ray went in or came out here.
    bool lit = false;
    // Cells that ray crossed.
    int steps = 0;
    // The colour of that ray.
    uint32_t colour = 0xFFFFFFFFu;
    // The other end of that ray: where it left the board for the lamp fired,
    // where it went in for the lamp where it came out.
    int partnerColumn = 0;
    int partnerRow = 0;
    // Easy level: the player's marks would not give this lamp's result.
    bool doubtful = false;
};
