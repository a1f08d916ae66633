#include "IntroRender.h"

#include <cstdint>
#include <vector>

#include "AviWriter.h"
#include "Canvas.h"
#include "IntroJingle.h"
#include "IntroScene.h"

bool WriteIntro(const std::string& path, std::string& error) {
    const IntroScene scene;
    const std::vector<int16_t> jingle = synth::ToPcm16(IntroJingle(scene.TileCount()));

    AviWriter writer;
    AviWriter::Settings settings;
    settings.width = IntroScene::kWidth;
    settings.height = IntroScene::kHeight;
    settings.framesPerSecond = IntroScene::kFramesPerSecond;
    settings.sampleRate = synth::kRate;
    if (!writer.Open(path, settings, error)) {
        return false;
    }
    Canvas frame(IntroScene::kWidth, IntroScene::kHeight);
    size_t soundWritten = 0;
    for (int i = 0; i < IntroScene::kFrameCount; ++i) {
        scene.Draw(frame, static_cast<double>(i) / IntroScene::kFramesPerSecond);
        if (!writer.AddFrame(cairo_image_surface_get_data(frame.Surface()),
                             cairo_image_surface_get_stride(frame.Surface()), error)) {
            return false;
        }
        // The sound that belongs to this frame's time, so the file interleaves evenly.
        const size_t soundEnd =
            jingle.size() * static_cast<size_t>(i + 1) / static_cast<size_t>(IntroScene::kFrameCount);
        const std::vector<int16_t> part(jingle.begin() + static_cast<std::ptrdiff_t>(soundWritten),
                                        jingle.begin() + static_cast<std::ptrdiff_t>(soundEnd));
        if (!writer.AddSound(part, error)) {
            return false;
        }
        soundWritten = soundEnd;
    }
    return writer.Finish(error);
}
