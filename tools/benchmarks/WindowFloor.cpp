// The floor under the program's start-up: the platform calls the program
// makes before its first frame (SDL, a full-screen window, the renderer it
// picks, one cleared frame shown), without its files, sheets, sound or menu.
// Prints "startup: <seconds> s" once that frame is on screen, as the program
// does with --report-startup, and then idles until it is closed or stopped,
// so that scripts/bench measures both alike.
//   ./tools/benchmarks/window_floor [--windowed]
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "StartupReport.h"
#include "platform/Message.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "platform/SdlWindow.h"

int main(int argc, char** argv) {
    const bool fullscreen = !(argc > 1 && std::strcmp(argv[1], "--windowed") == 0);
    std::string error;
    if (!platform::Initialize(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    auto window = platform::SdlWindow::Create("Knobelkiste", 1024, 768, fullscreen, &error);
    auto renderer = window ? platform::SdlRenderer::CreateForWindow(*window, 1024, 768, &error) : nullptr;
    if (!renderer) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    window->Show();
    renderer->Clear(0xFF646464u);
    renderer->Present();
    PrintStartupReport();
    for (;;) {
        platform::Message message;
        while (window->PeekMessage(message)) {
            if (message.kind == platform::MessageKind::Quit) {
                renderer.reset();
                window.reset();
                platform::Shutdown();
                return 0;
            }
        }
        window->WaitForMessages(1000);
    }
}
