#include "AssetWriter.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "AppIcon.h"
#include "AssetCatalog.h"
#include "sound/Effects.h"
#include "sound/Wave.h"

namespace {

bool WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

bool WriteAllAssets(const std::string& folder, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path root(folder);
    const fs::path sounds = root / kSoundFolder;
    std::error_code ec;
    fs::create_directories(sounds, ec);
    if (ec) {
        error = "cannot create " + sounds.string() + ": " + ec.message();
        return false;
    }
    for (const TextureSheet& sheet : TextureSheets()) {
        Canvas canvas(sheet.width, sheet.height);
        sheet.paint(canvas);
        const fs::path path = root / sheet.entry;
        if (!canvas.WritePng(path.string())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    // The window's icon travels in the archive with the art.
    Canvas icon(kWindowIconSize, kWindowIconSize);
    PaintAppIcon(icon.Cr(), kWindowIconSize);
    if (!icon.WritePng((root / kWindowIconEntry).string())) {
        error = "cannot write " + (root / kWindowIconEntry).string();
        return false;
    }
    for (const SoundEffect& effect : SoundEffects()) {
        const fs::path path = sounds / effect.file;
        if (!WriteBytes(path, EncodeWave(synth::ToPcm16(effect.make()), synth::kRate))) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
