#include "platform/VideoDecoder.h"

#include <dlfcn.h>

#include "platform/Paths.h"

namespace platform {

namespace {

constexpr const char* kModuleName = "knobel_video.so";

using OpenFunction = VideoDecoder* (*)(const char* path);

// The module's entry, loaded once; null when no module could be loaded. The
// module stays loaded until the process ends.
OpenFunction LoadModule() {
    const std::string here = ExecutableDirectory();
    if (here.empty()) {
        return nullptr;
    }
    // Beside the program in a build, in the library folder once installed.
    for (const std::string& folder : {here, here + KNOBEL_MODULE_DIR_FROM_BIN "/"}) {
        void* module = dlopen((folder + kModuleName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            continue;
        }
        if (void* entry = dlsym(module, "knobel_open_video"); entry != nullptr) {
            return reinterpret_cast<OpenFunction>(entry);
        }
        dlclose(module);
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<VideoDecoder> VideoDecoder::Open(const std::string& path) {
    static const OpenFunction openVideo = LoadModule();
    return std::unique_ptr<VideoDecoder>(openVideo != nullptr ? openVideo(path.c_str()) : nullptr);
}

}  // namespace platform
