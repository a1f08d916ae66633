#include "app/SheetDecoder.h"

#include <algorithm>

#include "app/Textures.h"
#include "platform/LargePages.h"
#include "platform/ThreadPriority.h"

SheetDecoder::SheetDecoder(std::vector<std::vector<uint8_t>> files)
    : files_(std::move(files)), slots_(files_.size()) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t count = std::min(cores, files_.size());
    for (size_t i = 0; i < count; ++i) {
        workers_.emplace_back(&SheetDecoder::Work, this);
    }
}

SheetDecoder::~SheetDecoder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

void SheetDecoder::Work() {
    // The caller's own start-up work comes first; the workers take the rest.
    platform::LowerThisThreadsPriority();
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (stopping_) {
            return;
        }
        if (next_ >= files_.size()) {
            if (!prefaulted_) {
                prefaulted_ = true;
                const size_t bytes = largestBytes_;
                lock.unlock();
                platform::PrefaultHeap(bytes);
            }
            return;
        }
        const size_t index = next_++;
        lock.unlock();
        platform::Image image;
        const bool ok = platform::DecodePng(files_[index].data(), files_[index].size(), image);
        if (ok) {
            ApplyColourKey(image);
        }
        lock.lock();
        largestBytes_ = std::max(largestBytes_, image.pixels.size() * sizeof(image.pixels[0]));
        slots_[index].ok = ok;
        slots_[index].image = std::move(image);
        slots_[index].done = true;
        changed_.notify_all();
    }
}

bool SheetDecoder::TakeNext(platform::Image& out) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (taken_ >= slots_.size()) {
        return false;
    }
    Slot& slot = slots_[taken_];
    changed_.wait(lock, [&slot] { return slot.done; });
    out = std::move(slot.image);
    const bool ok = slot.ok;
    ++taken_;
    return ok;
}
