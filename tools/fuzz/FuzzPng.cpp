// PNG pictures as the texture loader decodes them.
#include "FuzzTargets.h"
#include "platform/Image.h"

bool FuzzPng(const uint8_t* data, size_t size) {
    platform::Image image;
    if (!platform::DecodePng(data, size, image)) {
        return image.width == 0 && image.height == 0 && image.pixels.empty();
    }
    return image.width > 0 && image.height > 0 && image.width <= platform::kMaxImageSide &&
           image.height <= platform::kMaxImageSide &&
           image.pixels.size() == static_cast<size_t>(image.width) * image.height &&
           image.pixels.size() <= platform::MaxPngPixels(size);
}
