#include "AviWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdio>

namespace {

std::string Describe(const char* what, int code) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, reason, sizeof(reason));
    return std::string(what) + ": " + reason;
}

}  // namespace

struct AviWriter::State {
    std::string path;
    std::string partPath;
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    SwsContext* converter = nullptr;
    AVFrame* picture = nullptr;
    AVFrame* sound = nullptr;
    AVPacket* packet = nullptr;
    int64_t frameCount = 0;
    int64_t sampleCount = 0;
    bool headerWritten = false;
    bool finished = false;

    ~State() {
        av_packet_free(&packet);
        av_frame_free(&sound);
        av_frame_free(&picture);
        sws_freeContext(converter);
        avcodec_free_context(&audio);
        avcodec_free_context(&video);
        if (format != nullptr) {
            avio_closep(&format->pb);
            avformat_free_context(format);
        }
        if (!finished && !partPath.empty()) {
            std::remove(partPath.c_str());
        }
    }

    bool OpenVideo(const Settings& settings, std::string& error);
    bool OpenAudio(const Settings& settings, std::string& error);
    // Sends a frame (null: the end) to an encoder and writes every packet it gives.
    bool Encode(AVCodecContext* encoder, AVStream* stream, const AVFrame* frame, std::string& error);
};

bool AviWriter::State::OpenVideo(const Settings& settings, std::string& error) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    video = codec == nullptr ? nullptr : avcodec_alloc_context3(codec);
    if (video == nullptr) {
        error = "no MPEG-4 encoder";
        return false;
    }
    video->width = settings.width;
    video->height = settings.height;
    video->pix_fmt = AV_PIX_FMT_YUV420P;
    video->time_base = AVRational{1, settings.framesPerSecond};
    video->framerate = AVRational{settings.framesPerSecond, 1};
    video->gop_size = settings.framesPerSecond * 2;
    video->max_b_frames = 0;
    video->thread_count = 1;
    video->flags |= AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_BITEXACT;
    video->global_quality = FF_QP2LAMBDA * std::clamp(settings.quality, 2, 31);
    if (format->oformat->flags & AVFMT_GLOBALHEADER) {
        video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    int result = avcodec_open2(video, codec, nullptr);
    if (result < 0) {
        error = Describe("opening the video encoder", result);
        return false;
    }
    videoStream = avformat_new_stream(format, nullptr);
    if (videoStream == nullptr || avcodec_parameters_from_context(videoStream->codecpar, video) < 0) {
        error = "no video stream";
        return false;
    }
    videoStream->time_base = video->time_base;
    converter = sws_getContext(settings.width, settings.height, AV_PIX_FMT_BGRA, settings.width, settings.height,
                               AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr,
                               nullptr, nullptr);
    picture = av_frame_alloc();
    if (converter == nullptr || picture == nullptr) {
        error = "no picture converter";
        return false;
    }
    picture->format = video->pix_fmt;
    picture->width = settings.width;
    picture->height = settings.height;
    result = av_frame_get_buffer(picture, 0);
    if (result < 0) {
        error = Describe("allocating a picture", result);
        return false;
    }
    return true;
}

bool AviWriter::State::OpenAudio(const Settings& settings, std::string& error) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    audio = codec == nullptr ? nullptr : avcodec_alloc_context3(codec);
    if (audio == nullptr) {
        error = "no PCM encoder";
        return false;
    }
    audio->sample_fmt = AV_SAMPLE_FMT_S16;
    audio->sample_rate = settings.sampleRate;
    audio->ch_layout = AV_CHANNEL_LAYOUT_MONO;
    audio->time_base = AVRational{1, settings.sampleRate};
    audio->flags |= AV_CODEC_FLAG_BITEXACT;
    const int result = avcodec_open2(audio, codec, nullptr);
    if (result < 0) {
        error = Describe("opening the sound encoder", result);
        return false;
    }
    audioStream = avformat_new_stream(format, nullptr);
    sound = av_frame_alloc();
    if (audioStream == nullptr || sound == nullptr ||
        avcodec_parameters_from_context(audioStream->codecpar, audio) < 0) {
        error = "no sound stream";
        return false;
    }
    audioStream->time_base = audio->time_base;
    return true;
}

bool AviWriter::State::Encode(AVCodecContext* encoder, AVStream* stream, const AVFrame* frame,
                              std::string& error) {
    int result = avcodec_send_frame(encoder, frame);
    if (result < 0) {
        error = Describe("encoding", result);
        return false;
    }
    for (;;) {
        result = avcodec_receive_packet(encoder, packet);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) {
            return true;
        }
        if (result < 0) {
            error = Describe("encoding", result);
            return false;
        }
        av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
        packet->stream_index = stream->index;
        result = av_interleaved_write_frame(format, packet);
        if (result < 0) {
            error = Describe("writing", result);
            return false;
        }
    }
}

AviWriter::AviWriter() = default;

AviWriter::~AviWriter() = default;

bool AviWriter::Open(const std::string& path, const Settings& settings, std::string& error) {
    state_ = std::make_unique<State>();
    State& s = *state_;
    if (settings.width <= 0 || settings.height <= 0 || settings.width % 2 != 0 || settings.height % 2 != 0 ||
        settings.framesPerSecond <= 0 || settings.sampleRate < 0) {
        error = "unusable video settings";
        return false;
    }
    s.path = path;
    s.partPath = path + ".part";
    int result = avformat_alloc_output_context2(&s.format, nullptr, "avi", s.partPath.c_str());
    if (result < 0) {
        error = Describe("making the AVI container", result);
        return false;
    }
    s.format->flags |= AVFMT_FLAG_BITEXACT;
    s.packet = av_packet_alloc();
    if (s.packet == nullptr || !s.OpenVideo(settings, error) ||
        (settings.sampleRate > 0 && !s.OpenAudio(settings, error))) {
        return false;
    }
    result = avio_open(&s.format->pb, s.partPath.c_str(), AVIO_FLAG_WRITE);
    if (result < 0) {
        error = Describe(s.partPath.c_str(), result);
        return false;
    }
    result = avformat_write_header(s.format, nullptr);
    if (result < 0) {
        error = Describe("writing the AVI header", result);
        return false;
    }
    s.headerWritten = true;
    return true;
}

bool AviWriter::AddFrame(const uint8_t* argb, int stride, std::string& error) {
    if (!state_ || !state_->headerWritten) {
        error = "the file is not open";
        return false;
    }
    State& s = *state_;
    const int result = av_frame_make_writable(s.picture);
    if (result < 0) {
        error = Describe("reusing the picture", result);
        return false;
    }
    const uint8_t* planes[1] = {argb};
    const int strides[1] = {stride};
    sws_scale(s.converter, planes, strides, 0, s.video->height, s.picture->data, s.picture->linesize);
    s.picture->pts = s.frameCount++;
    // A fixed quantiser is taken from each picture.
    s.picture->quality = s.video->global_quality;
    return s.Encode(s.video, s.videoStream, s.picture, error);
}

bool AviWriter::AddSound(const std::vector<int16_t>& samples, std::string& error) {
    if (!state_ || !state_->headerWritten || state_->audio == nullptr) {
        error = "the file has no sound track";
        return false;
    }
    if (samples.empty()) {
        return true;
    }
    State& s = *state_;
    av_frame_unref(s.sound);
    s.sound->format = AV_SAMPLE_FMT_S16;
    s.sound->sample_rate = s.audio->sample_rate;
    s.sound->nb_samples = static_cast<int>(samples.size());
    int result = av_channel_layout_copy(&s.sound->ch_layout, &s.audio->ch_layout);
    if (result >= 0) {
        result = av_frame_get_buffer(s.sound, 0);
    }
    if (result < 0) {
        error = Describe("allocating sound", result);
        return false;
    }
    std::copy(samples.begin(), samples.end(), reinterpret_cast<int16_t*>(s.sound->data[0]));
    s.sound->pts = s.sampleCount;
    s.sampleCount += static_cast<int64_t>(samples.size());
    return s.Encode(s.audio, s.audioStream, s.sound, error);
}

bool AviWriter::Finish(std::string& error) {
    if (!state_ || !state_->headerWritten) {
        error = "the file is not open";
        return false;
    }
    State& s = *state_;
    if (!s.Encode(s.video, s.videoStream, nullptr, error) ||
        (s.audio != nullptr && !s.Encode(s.audio, s.audioStream, nullptr, error))) {
        return false;
    }
    int result = av_write_trailer(s.format);
    if (result >= 0) {
        result = avio_closep(&s.format->pb);
    }
    if (result < 0) {
        error = Describe("finishing the file", result);
        return false;
    }
    if (std::rename(s.partPath.c_str(), s.path.c_str()) != 0) {
        error = "cannot name " + s.path;
        return false;
    }
    s.finished = true;
    state_.reset();
    return true;
}
