#include "audio/AudioFileReader.h"

#include <QFile>
#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace verbalink {

namespace {

struct FormatCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct ResamplerFreer {
    void operator()(SwrContext* c) const { swr_free(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};

QString ffmpegError(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

} // namespace

struct AudioFileReader::State {
    std::unique_ptr<AVFormatContext, FormatCloser> format;
    std::unique_ptr<AVCodecContext, CodecFreer> codec;
    std::unique_ptr<SwrContext, ResamplerFreer> resampler;
    std::unique_ptr<AVPacket, PacketFreer> packet{av_packet_alloc()};
    std::unique_ptr<AVFrame, FrameFreer> frame{av_frame_alloc()};
    int stream = -1;
    bool demuxerDone = false;
    bool decoderDone = false;
    bool drained = false;
};

AudioFileReader::AudioFileReader() = default;
AudioFileReader::~AudioFileReader() = default;

bool AudioFileReader::open(const QString& path)
{
    close();
    m_state = std::make_unique<State>();
    m_error.clear();
    AVFormatContext* raw = nullptr;
    // A local file only: a name such as "concat:..." or a URL must not reach other protocols.
    const QByteArray name = "file:" + QFile::encodeName(path);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const int rc = avformat_open_input(&raw, name.constData(), nullptr, &options);
    av_dict_free(&options);
    if (rc < 0)
        return fail(QStringLiteral("cannot open %1").arg(path), rc);
    m_state->format.reset(raw);
    if (int found = avformat_find_stream_info(raw, nullptr); found < 0)
        return fail(QStringLiteral("cannot read %1").arg(path), found);
    if (!openCodec() || !openResampler())
        return false;
    return true;
}

bool AudioFileReader::openCodec()
{
    const AVCodec* decoder = nullptr;
    const int stream =
        av_find_best_stream(m_state->format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder)
        return fail(QStringLiteral("no audio stream"),
                    stream < 0 ? stream : AVERROR_DECODER_NOT_FOUND);
    m_state->stream = stream;
    m_state->codec.reset(avcodec_alloc_context3(decoder));
    if (!m_state->codec)
        return fail(QStringLiteral("no decoder context"), AVERROR(ENOMEM));
    const AVCodecParameters* params = m_state->format->streams[stream]->codecpar;
    if (int rc = avcodec_parameters_to_context(m_state->codec.get(), params); rc < 0)
        return fail(QStringLiteral("bad stream parameters"), rc);
    if (int rc = avcodec_open2(m_state->codec.get(), decoder, nullptr); rc < 0)
        return fail(QStringLiteral("cannot open the decoder"), rc);
    return true;
}

bool AudioFileReader::openResampler()
{
    AVCodecContext* codec = m_state->codec.get();
    if (codec->sample_rate <= 0)
        return fail(QStringLiteral("no sample rate"), AVERROR_INVALIDDATA);
    AVChannelLayout input{};
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || codec->ch_layout.nb_channels <= 0)
        av_channel_layout_default(&input, std::max(codec->ch_layout.nb_channels, 1));
    else
        av_channel_layout_copy(&input, &codec->ch_layout);
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    SwrContext* raw = nullptr;
    int rc = swr_alloc_set_opts2(&raw, &mono, AV_SAMPLE_FMT_S16, SampleRate, &input,
                                 codec->sample_fmt, codec->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&input);
    m_state->resampler.reset(raw);
    if (rc < 0)
        return fail(QStringLiteral("cannot set up the resampler"), rc);
    if (rc = swr_init(raw); rc < 0)
        return fail(QStringLiteral("cannot start the resampler"), rc);
    return true;
}

void AudioFileReader::close()
{
    m_state.reset();
}

bool AudioFileReader::isOpen() const
{
    return m_state && m_state->resampler;
}

bool AudioFileReader::fail(const QString& what, int code)
{
    m_error = what + QStringLiteral(": ") + ffmpegError(code);
    m_state.reset();
    return false;
}

QByteArray AudioFileReader::read()
{
    if (!isOpen())
        return {};
    State& s = *m_state;
    while (!s.decoderDone) {
        const int rc = avcodec_receive_frame(s.codec.get(), s.frame.get());
        if (rc == 0) {
            QByteArray pcm = convertFrame();
            av_frame_unref(s.frame.get());
            if (!pcm.isEmpty())
                return pcm;
            continue;
        }
        if (rc == AVERROR_EOF || rc != AVERROR(EAGAIN)) {
            // A decoder that fails for good ends the file like its end does.
            s.decoderDone = true;
            break;
        }
        if (s.demuxerDone) {
            s.decoderDone = true;
            break;
        }
        if (av_read_frame(s.format.get(), s.packet.get()) < 0) {
            s.demuxerDone = true;
            avcodec_send_packet(s.codec.get(), nullptr);
            continue;
        }
        if (s.packet->stream_index == s.stream) {
            // A damaged packet is skipped; the decoder goes on with the next one.
            avcodec_send_packet(s.codec.get(), s.packet.get());
        }
        av_packet_unref(s.packet.get());
    }
    return drainResampler();
}

QByteArray AudioFileReader::convertFrame()
{
    SwrContext* swr = m_state->resampler.get();
    const AVFrame* frame = m_state->frame.get();
    const int room = swr_get_out_samples(swr, frame->nb_samples);
    if (room <= 0)
        return {};
    QByteArray pcm(room * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<uint8_t*>(pcm.data());
    const int made = swr_convert(swr, &out, room, const_cast<const uint8_t**>(frame->extended_data),
                                 frame->nb_samples);
    pcm.resize(std::max(made, 0) * 2);
    return pcm;
}

QByteArray AudioFileReader::drainResampler()
{
    State& s = *m_state;
    if (s.drained)
        return {};
    s.drained = true;
    const int room = swr_get_out_samples(s.resampler.get(), 0);
    if (room <= 0)
        return {};
    QByteArray pcm(room * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<uint8_t*>(pcm.data());
    const int made = swr_convert(s.resampler.get(), &out, room, nullptr, 0);
    pcm.resize(std::max(made, 0) * 2);
    return pcm;
}

} // namespace verbalink
