// bbpreview: draws picture files as the picture building game shows them.
// Usage: bbpreview [--misc1 misc1.PNG] OUT_DIR PICTURE_FILE...
// Writes OUT_DIR/<file name>.png for each picture and OUT_DIR/overview.png.
#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "PictureFile.h"
#include "PicturePreview.h"

namespace fs = std::filesystem;

namespace {

int WritePng(cairo_surface_t* surface, const fs::path& path) {
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::cerr << path.string() << ": cannot be written\n";
        return 1;
    }
    return 0;
}

// Draws the picture files args[1..] into the folder args[0]; 1 when a file
// could not be read whole or a PNG not written.
int DrawPictures(const std::vector<std::string>& args, const std::string& misc1) {
    const fs::path out = args[0];
    std::error_code error;
    fs::create_directories(out, error);
    if (error) {
        std::cerr << out.string() << ": " << error.message() << "\n";
        return 1;
    }
    const PicturePreview preview(misc1);
    std::vector<Surface> boards;
    int status = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::ifstream in(args[i], std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const PictureFile file = ReadPictureFile(text);
        std::vector<PictureShape> targets;
        for (const PictureObject& object : file.objects) {
            if (const auto shape = ToShape(object); shape && object.target) {
                targets.push_back(*shape);
            }
        }
        if (!in || !file.complete) {
            std::cerr << args[i] << ": could not be read whole\n";
            status = 1;
        }
        const std::string name = fs::path(args[i]).filename().string();
        boards.push_back(preview.Render(targets, name));
        status |= WritePng(boards.back().get(), out / (name + ".png"));
    }
    const Surface overview = PicturePreview::Overview(boards);
    return status | WritePng(overview.get(), out / "overview.png");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string misc1;
    if (args.size() >= 2 && args[0] == "--misc1") {
        misc1 = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() < 2) {
        std::cerr << "usage: bbpreview [--misc1 misc1.PNG] OUT_DIR PICTURE_FILE...\n";
        return 2;
    }
    const int status = DrawPictures(args, misc1);
    // Font caches the text of the boards filled, released for leak checkers.
    cairo_debug_reset_static_data();
    FcFini();
    return status;
}
