#include "platform/VideoDecoder.h"

#include <dlfcn.h>

#include "platform/Paths.h"

namespace platform {

namespace {

constexpr const char* kModuleName = "knobel_video.so";

using OpenFileFunction = VideoDecoder* (*)(const char* path);
using OpenMemoryFunction = VideoDecoder* (*)(const uint8_t* data, size_t size);

// The module's two entries; both null when no module could be loaded.
struct Module {
    OpenFileFunction openFile = nullptr;
    OpenMemoryFunction openMemory = nullptr;
};

// Loads the module once; it stays loaded until the process ends.
Module LoadModule() {
    const std::string here = ExecutableDirectory();
    if (here.empty()) {
        return {};
    }
    // Beside the program in a build, in the library folder once installed.
    for (const std::string& folder : {here, here + KNOBEL_MODULE_DIR_FROM_BIN "/"}) {
        void* module = dlopen((folder + kModuleName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            continue;
        }
        void* openFile = dlsym(module, "knobel_open_video");
        void* openMemory = dlsym(module, "knobel_open_video_memory");
        if (openFile != nullptr && openMemory != nullptr) {
            return {reinterpret_cast<OpenFileFunction>(openFile), reinterpret_cast<OpenMemoryFunction>(openMemory)};
        }
        dlclose(module);
    }
    return {};
}

const Module& LoadedModule() {
    static const Module module = LoadModule();
    return module;
}

}  // namespace

std::unique_ptr<VideoDecoder> VideoDecoder::Open(const std::string& path) {
    const Module& module = LoadedModule();
    return std::unique_ptr<VideoDecoder>(module.openFile != nullptr ? module.openFile(path.c_str()) : nullptr);
}

std::unique_ptr<VideoDecoder> VideoDecoder::OpenMemory(std::span<const uint8_t> bytes) {
    const Module& module = LoadedModule();
    return std::unique_ptr<VideoDecoder>(module.openMemory != nullptr ? module.openMemory(bytes.data(), bytes.size())
                                                                      : nullptr);
}

}  // namespace platform
