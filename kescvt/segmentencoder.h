// Encoding one stream on several threads. The converted samples are cut into blocks;
// each block is encoded by a fresh twin of the stream's encoder on a worker thread, and
// the packets are written in order, on the calling thread, as if one encoder had made
// them. Codecs whose frames depend on the ones before (MDCT overlap, predictors, rate
// control) get a run-in: the frames before the block (and a run-out of the frames after
// it) are encoded along, and their packets dropped, so the encoder reaches the block's
// edges in the state it would have had. The packets kept are exactly those a single
// encoder would have given the same times, so timestamps run on without a gap and the
// muxer writes the delay and padding once for the whole stream.
//
// Memory stays bounded: at most one block per thread, and one more, is queued, being
// encoded or waiting to be written, besides the one being filled and its run-in.
#pragma once

#include "audioencoder.h"
#include "avhandles.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kescvt {

class FlacJoiner;

// How a codec is split: how much of the stream before a block its encoder must see to
// reach the block in the state a single encoder would have (rate control and psychoacoustic
// model settle over seconds), how many frames after it, and the length of a block.
struct SegmentRule {
    double runInSeconds = 0.0;
    int runOutFrames = 0;
    int blockSeconds = 10;
    bool flac = false;
    // Frames that owe nothing to the ones before (FLAC, PCM): a worker keeps its encoder
    // from block to block instead of opening one per block, which costs more than the
    // encoding of a block.
    bool independentFrames = false;
};

// The rule for a codec, or none when it stays on one thread (a codec whose stream ties
// frames together in ways a join cannot mend, or one not measured).
std::optional<SegmentRule> segmentRuleFor(AVCodecID codec);

// The encoding threads a "-threads" value asks for: 0 is one per core.
int encodingThreads(int requested);

class SegmentEncoder {
public:
    using WritePacket = std::function<void(AVPacket *packet)>;
    // Real (unpadded) samples encoded in stream order so far, for the progress.
    using Progress = std::function<void(int64_t realSamples)>;

    // first: the stream's own encoder, opened (and its header written); it is only
    // twinned. blockSamples: the samples of a block (0: the rule's length; never shorter
    // than the run-in).
    SegmentEncoder(const AudioEncoder &first, const SegmentRule &rule, int threads, WritePacket write, Progress progress,
                   int64_t blockSamples = 0);
    ~SegmentEncoder();
    SegmentEncoder(const SegmentEncoder &) = delete;
    SegmentEncoder &operator=(const SegmentEncoder &) = delete;

    // A converted frame with its pts set, in order; may wait for a worker and write.
    void add(FramePtr frame, int realSamples);
    // Encodes what is left and writes every packet; throws what a worker threw.
    void finish();

private:
    struct Segment;

    void stopWorkers();
    void closeBlock();
    void submitReady(bool atEnd);
    void submit(size_t blockFrames, size_t runOutFrames, bool last);
    void writeDone(bool wait);
    void work();
    void encode(Segment &segment, std::unique_ptr<AudioEncoder> &kept);

    const AudioEncoder &m_first;
    int m_threads;
    WritePacket m_write;
    Progress m_progress;
    int64_t m_realWritten = 0;
    int64_t m_blockSamples;
    size_t m_runIn = 0;  // frames
    size_t m_runOut = 0; // frames
    bool m_independentFrames = false;
    std::unique_ptr<FlacJoiner> m_flac;

    // Frames not yet handed out: the run-in kept from the block before, then the
    // closed blocks waiting for their run-out, then the block being filled.
    std::deque<FramePtr> m_frames;
    std::deque<int> m_frameReal;
    size_t m_runInKept = 0;             // leading frames of m_frames that are only run-in
    std::deque<size_t> m_closedBlocks;  // frame counts of closed blocks, in order
    int64_t m_openSamples = 0;          // samples of the block being filled
    bool m_firstBlock = true;
    int64_t m_nextPts = 0;
    int64_t m_packetsWritten = 0;

    std::mutex m_mutex;
    std::condition_variable m_wake; // workers: a segment to encode, or stop
    std::condition_variable m_done; // writer: a segment finished
    std::deque<std::shared_ptr<Segment>> m_queue;    // waiting for a worker
    std::deque<std::shared_ptr<Segment>> m_inFlight; // submitted, in stream order
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};

} // namespace kescvt
