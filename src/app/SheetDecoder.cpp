#include "app/SheetDecoder.h"

#include <algorithm>

#include "app/Textures.h"

SheetDecoder::SheetDecoder(const std::vector<std::vector<uint8_t>>& files) : files_(files), slots_(files.size()) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t count = std::min(cores, files_.size());
    ahead_ = count + 1;
    for (size_t i = 0; i < count; ++i) {
        workers_.emplace_back(&SheetDecoder::Work, this);
    }
}

SheetDecoder::~SheetDecoder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

void SheetDecoder::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || next_ >= files_.size() || next_ < taken_ + ahead_; });
        if (stopping_ || next_ >= files_.size()) {
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
    changed_.notify_all();
    return ok;
}
