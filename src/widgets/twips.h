#pragma once

// Window positions and mouse coordinates are in twips, 1/1440 inch: 15 to a pixel at 96 dpi.
struct Twips {
    static constexpr int perPixel = 15;
};
