#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Image.h"

// Decodes PNG files on worker threads (one per core, at most as many as
// files) while the caller takes the images in order; the workers do not wait
// for the caller. The colour key is applied to each image. The first worker
// left without a file faults in as much heap as the largest image decoded so
// far, for the textures the caller makes from the images.
class SheetDecoder {
public:
    explicit SheetDecoder(std::vector<std::vector<uint8_t>> files);
    ~SheetDecoder();
    SheetDecoder(const SheetDecoder&) = delete;
    SheetDecoder& operator=(const SheetDecoder&) = delete;

    // Waits for the next file's image; false when it is no readable PNG.
    bool TakeNext(platform::Image& out);
    // The bytes of file `index`.
    const std::vector<uint8_t>& File(size_t index) const { return files_[index]; }

private:
    struct Slot {
        bool done = false;
        bool ok = false;
        platform::Image image;
    };

    void Work();

    const std::vector<std::vector<uint8_t>> files_;
    std::vector<Slot> slots_;
    size_t next_ = 0;   // the next file a worker takes
    size_t taken_ = 0;  // files the caller has taken
    size_t largestBytes_ = 0;  // of the images decoded so far
    bool prefaulted_ = false;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> workers_;
};
