#include "segmentencoder.h"

#include "flacjoin.h"
#include "interruption.h"
#include "toolerror.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>

namespace kescvt {

namespace {

constexpr int maxThreads = 64;

} // namespace

struct SegmentEncoder::Segment {
    std::vector<FramePtr> frames; // run-in, block, run-out
    std::vector<int> real;        // real samples of each frame; 0 outside the block
    std::atomic<int64_t> encoded{0};
    int64_t keepFrom = INT64_MIN; // packets kept: keepFrom <= pts < keepUntil
    int64_t keepUntil = INT64_MAX;
    int64_t realSamples = 0;
    std::vector<PacketPtr> packets;
    std::exception_ptr error;
    bool done = false;
};

std::optional<SegmentRule> segmentRuleFor(AVCodecID codec)
{
    switch (codec) {
    case AV_CODEC_ID_FLAC:
        return SegmentRule{0.0, 0, 10, true, true};
    case AV_CODEC_ID_PCM_S16LE:
    case AV_CODEC_ID_PCM_S16BE:
    case AV_CODEC_ID_PCM_S24LE:
    case AV_CODEC_ID_PCM_S24BE:
    case AV_CODEC_ID_PCM_S32LE:
    case AV_CODEC_ID_PCM_S32BE:
    case AV_CODEC_ID_PCM_U8:
    case AV_CODEC_ID_PCM_S8:
    case AV_CODEC_ID_PCM_F32LE:
    case AV_CODEC_ID_PCM_F32BE:
    case AV_CODEC_ID_PCM_F64LE:
    case AV_CODEC_ID_PCM_F64BE:
    case AV_CODEC_ID_PCM_MULAW:
    case AV_CODEC_ID_PCM_ALAW:
        return SegmentRule{0.0, 0, 10, false, true};
    // Measured on music at 96 and 128 kb/s: with 2 s of run-in each block's first seconds
    // lose 2 to 5 dB of SNR while the rate control settles; 4 s come within 0.1 dB
    // overall, 8 s give the single encoder's figures. Blocks are long to keep the run-in's
    // share of the work small.
    case AV_CODEC_ID_AAC:
        return SegmentRule{6.0, 4, 60, false};
    // Measured the same way: with no run-in the joins show (worst 50 ms window 10 to 20 dB
    // down), with 1 s the figures are those of a single encoder. Opus needs more: over 20
    // minutes one of 40 joins still came 2.6 dB down with 1 s, none with 3 s.
    case AV_CODEC_ID_AC3:
    case AV_CODEC_ID_MP2:
        return SegmentRule{1.0, 4, 30, false};
    case AV_CODEC_ID_OPUS:
        return SegmentRule{3.0, 4, 30, false};
    // MP3 stays on one thread: frames borrowing from a frame of another segment break the
    // joins, and without the bit reservoir the worst 50 ms window of 20 minutes of music
    // came 3.7 dB below a single encoder's.
    default:
        return std::nullopt;
    }
}

int encodingThreads(int requested)
{
    if (requested > 0)
        return std::min(requested, maxThreads);
    const auto cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(cores, 1, maxThreads);
}

SegmentEncoder::SegmentEncoder(const AudioEncoder &first, const SegmentRule &rule, int threads, WritePacket write,
                               Progress progress, int64_t blockSamples)
    : m_first(first), m_threads(std::max(threads, 1)), m_write(std::move(write)),
      m_progress(std::move(progress)),
      m_blockSamples(blockSamples > 0 ? blockSamples : int64_t{rule.blockSeconds} * first.sampleRate())
{
    const int frameSize = std::max(first.frameSize(), 1);
    m_runIn = static_cast<size_t>(std::ceil(rule.runInSeconds * first.sampleRate() / frameSize));
    m_runOut = static_cast<size_t>(rule.runOutFrames);
    m_independentFrames = rule.independentFrames;
    // A block's run-in comes from the block before it alone.
    m_blockSamples = std::max<int64_t>(m_blockSamples, static_cast<int64_t>(m_runIn + 1) * frameSize);
    if (rule.flac) {
        AVCodecParameters *par = avcodec_parameters_alloc();
        if (!par)
            throw std::bad_alloc();
        first.fillStreamParameters(par);
        m_flac = std::make_unique<FlacJoiner>(par->extradata, par->extradata_size, first.sampleFormat());
        avcodec_parameters_free(&par);
    }
    m_workers.reserve(static_cast<size_t>(m_threads));
    try {
        for (int i = 0; i < m_threads; ++i)
            m_workers.emplace_back([this] { work(); });
    } catch (...) {
        // No destructor runs for a constructor that throws: the threads started end here.
        stopWorkers();
        throw;
    }
}

SegmentEncoder::~SegmentEncoder()
{
    stopWorkers();
}

void SegmentEncoder::stopWorkers()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

void SegmentEncoder::add(FramePtr frame, int realSamples)
{
    if (m_flac)
        m_flac->addSamples(frame.get());
    m_nextPts = frame->pts + frame->nb_samples;
    m_openSamples += frame->nb_samples;
    m_frames.push_back(std::move(frame));
    m_frameReal.push_back(realSamples);
    if (m_openSamples >= m_blockSamples)
        closeBlock();
    submitReady(false);
}

void SegmentEncoder::finish()
{
    if (m_openSamples > 0)
        closeBlock();
    submitReady(true);
    while (!m_inFlight.empty())
        writeDone(true);
    if (m_flac && m_packetsWritten > 0) {
        PacketPtr closing = m_flac->closingPacket(m_nextPts);
        m_write(closing.get());
    }
}

void SegmentEncoder::closeBlock()
{
    size_t closed = 0;
    for (const size_t frames : m_closedBlocks)
        closed += frames;
    m_closedBlocks.push_back(m_frames.size() - m_runInKept - closed);
    m_openSamples = 0;
}

// A closed block goes out once the frames after it cover its run-out (or nothing follows).
void SegmentEncoder::submitReady(bool atEnd)
{
    const size_t runOut = m_runOut;
    while (!m_closedBlocks.empty()) {
        const size_t block = m_closedBlocks.front();
        const size_t after = m_frames.size() - m_runInKept - block;
        if (!atEnd && after < runOut)
            return;
        m_closedBlocks.pop_front();
        submit(block, std::min(after, runOut), atEnd && m_closedBlocks.empty());
    }
}

void SegmentEncoder::submit(size_t blockFrames, size_t runOutFrames, bool last)
{
    auto segment = std::make_shared<Segment>();
    const size_t total = m_runInKept + blockFrames + runOutFrames;
    for (size_t i = 0; i < total; ++i) {
        FramePtr copy(av_frame_clone(m_frames[i].get()));
        if (!copy)
            throw std::bad_alloc();
        segment->frames.push_back(std::move(copy));
        const bool inBlock = i >= m_runInKept && i < m_runInKept + blockFrames;
        segment->real.push_back(inBlock ? m_frameReal[i] : 0);
    }
    const int64_t delay = m_first.initialPadding();
    const AVFrame *firstOfBlock = m_frames[m_runInKept].get();
    const AVFrame *lastOfBlock = m_frames[m_runInKept + blockFrames - 1].get();
    if (!m_firstBlock)
        segment->keepFrom = firstOfBlock->pts - delay;
    if (!last)
        segment->keepUntil = lastOfBlock->pts + lastOfBlock->nb_samples - delay;
    for (size_t i = m_runInKept; i < m_runInKept + blockFrames; ++i)
        segment->realSamples += m_frameReal[i];
    m_firstBlock = false;

    // The block's last frames stay as the next one's run-in.
    const size_t keep = std::min(blockFrames, m_runIn);
    const size_t drop = m_runInKept + blockFrames - keep;
    m_frames.erase(m_frames.begin(), m_frames.begin() + static_cast<std::ptrdiff_t>(drop));
    m_frameReal.erase(m_frameReal.begin(), m_frameReal.begin() + static_cast<std::ptrdiff_t>(drop));
    m_runInKept = keep;

    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(segment);
        m_inFlight.push_back(segment);
    }
    m_wake.notify_one();
    writeDone(false);
    while (m_inFlight.size() > static_cast<size_t>(m_threads))
        writeDone(true);
}

// Writes the oldest segments that are done; with wait, waits for the oldest first.
void SegmentEncoder::writeDone(bool wait)
{
    for (;;) {
        std::shared_ptr<Segment> front;
        {
            std::unique_lock lock(m_mutex);
            if (m_inFlight.empty())
                return;
            if (wait) {
                // Stops are checked while waiting (a worker may take a while on its block),
                // and the progress follows the oldest block's encoder.
                while (!m_inFlight.front()->done) {
                    m_done.wait_for(lock, std::chrono::milliseconds(50));
                    if (interruptionRequested())
                        throw ToolError(ExitInterrupted, "interrupted");
                    m_progress(m_realWritten + m_inFlight.front()->encoded.load());
                }
            } else if (!m_inFlight.front()->done) {
                return;
            }
            front = std::move(m_inFlight.front());
            m_inFlight.pop_front();
        }
        wait = false;
        if (front->error)
            std::rethrow_exception(front->error);
        for (PacketPtr &packet : front->packets) {
            if (m_flac && !m_flac->renumber(packet.get()))
                continue;
            m_write(packet.get());
            ++m_packetsWritten;
        }
        m_realWritten += front->realSamples;
        m_progress(m_realWritten);
    }
}

void SegmentEncoder::work()
{
    std::unique_ptr<AudioEncoder> kept;
    for (;;) {
        std::shared_ptr<Segment> segment;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                return;
            segment = std::move(m_queue.front());
            m_queue.pop_front();
        }
        try {
            encode(*segment, kept);
        } catch (...) {
            segment->error = std::current_exception();
        }
        segment->frames.clear();
        {
            std::lock_guard lock(m_mutex);
            segment->done = true;
        }
        m_done.notify_all();
    }
}

void SegmentEncoder::encode(Segment &segment, std::unique_ptr<AudioEncoder> &kept)
{
    std::unique_ptr<AudioEncoder> encoder = kept ? std::move(kept) : m_first.twin();
    PacketPtr packet = makePacket();
    if (!packet)
        throw std::bad_alloc();
    auto drain = [&] {
        while (encoder->receivePacket(packet.get())) {
            if (packet->pts >= segment.keepFrom && packet->pts < segment.keepUntil) {
                PacketPtr kept = makePacket();
                if (!kept)
                    throw std::bad_alloc();
                av_packet_move_ref(kept.get(), packet.get());
                segment.packets.push_back(std::move(kept));
            } else {
                av_packet_unref(packet.get());
            }
        }
    };
    for (size_t i = 0; i < segment.frames.size(); ++i) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop)
                return;
        }
        encoder->sendFrame(segment.frames[i].get());
        drain();
        segment.encoded += segment.real[i];
    }
    // Such an encoder holds nothing back: all of the block is out, and the encoder can go
    // on with the next block (only the stream's last block is short, and it is flushed).
    if (m_independentFrames && segment.keepUntil != INT64_MAX) {
        kept = std::move(encoder);
        return;
    }
    encoder->sendFrame(nullptr);
    drain();
}

} // namespace kescvt
