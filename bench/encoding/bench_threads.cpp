// One long source with one encoding thread and with Auto (one per core), per format, in
// alternating rounds; then a batch of 8 files as the program runs it, with the thread
// share and as before. Prints wall times, ratios and the quality figures of each output
// against the source (decoded length, SNR overall and in the worst 50 ms window).
//
//   bench_threads [minutes (20)] [rounds (2)] [batch seconds per file (120)]
#include "audiocompare.h"
#include "batch/batchdriver.h"
#include "musicwav.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

pid_t spawnKescvt(const std::string &input, const std::string &output, const std::string &codec, int threads)
{
    std::vector<std::string> args = {KESCVT_PATH, "-i", input, "-y", "-acodec", codec, "-threads", std::to_string(threads), output};
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool waitFor(pid_t pid)
{
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

struct Format {
    const char *name;
    const char *extension;
    const char *codec;
};

// The batch as the program runs it: as many at once as cores, each conversion with the
// threads the share gives it (shared = false: one each, as before the share).
double runBatch(const std::vector<std::string> &sources, const std::string &folder, int cores, bool shared)
{
    const auto start = Clock::now();
    std::vector<pid_t> running(static_cast<size_t>(cores), -1);
    std::vector<int> threads(static_cast<size_t>(cores), 0);
    size_t next = 0;
    int live = 0;
    for (;;) {
        for (size_t slot = 0; slot < running.size() && next < sources.size(); ++slot) {
            if (running[slot] > 0)
                continue;
            int busy = 0;
            for (const int t : threads)
                busy += t;
            const int share = shared ? BatchDriver::threadShare(cores - busy, static_cast<int>(sources.size() - next)) : 1;
            threads[slot] = share;
            running[slot] = spawnKescvt(sources[next], folder + "/batch" + std::to_string(next) + ".mp3", "mp3", share);
            ++next;
            ++live;
        }
        if (live == 0)
            break;
        int status = 0;
        const pid_t done = wait(&status);
        for (size_t slot = 0; slot < running.size(); ++slot) {
            if (running[slot] == done) {
                running[slot] = -1;
                threads[slot] = 0;
                --live;
            }
        }
    }
    return seconds(Clock::now() - start);
}

} // namespace

int main(int argc, char **argv)
{
    const double minutes = argc > 1 ? std::atof(argv[1]) : 20.0;
    const int rounds = argc > 2 ? std::max(std::atoi(argv[2]), 1) : 2;
    const double batchSeconds = argc > 3 ? std::atof(argv[3]) : 120.0;
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));

    char pattern[] = "/tmp/bench_threads.XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string source = folder + "/source.wav";
    writeMusicWav(source, minutes * 60.0);
    const DecodedAudio original = decodeAudio(source);
    std::printf("source: %.1f min, 44100 Hz stereo, music-like; %d cores; %d rounds, 1 thread and Auto alternating\n\n",
                minutes, cores, rounds);

    const Format formats[] = {{"FLAC", "flac", "flac"}, {"M4B", "m4b", "mpeg4aac"}, {"Opus", "opus", "opus"},
                              {"MP3", "mp3", "mp3"},    {"AC3", "ac3", "ac3"}};
    std::printf("%-5s %9s %9s %6s | %12s %12s | %8s %8s | %8s %8s\n", "", "1 thread", "Auto", "ratio", "frames 1",
                "frames Auto", "SNR 1", "SNR Auto", "worst 1", "worst A");
    for (const Format &format : formats) {
        double one = 0.0;
        double automatic = 0.0;
        const std::string oneOut = folder + "/one." + format.extension;
        const std::string autoOut = folder + "/auto." + format.extension;
        bool ok = true;
        for (int round = 0; round < rounds; ++round) {
            // Alternating which goes first, so that neither always meets the same neighbours.
            for (int pass = 0; pass < 2; ++pass) {
                const bool single = (round + pass) % 2 == 0;
                const auto start = Clock::now();
                ok = waitFor(spawnKescvt(source, single ? oneOut : autoOut, format.codec, single ? 1 : 0)) && ok;
                (single ? one : automatic) += seconds(Clock::now() - start);
            }
        }
        one /= rounds;
        automatic /= rounds;
        const DecodedAudio a = decodeAudio(oneOut, original.sampleRate);
        const DecodedAudio b = decodeAudio(autoOut, original.sampleRate);
        const Closeness ca = compareAudio(original, a);
        const Closeness cb = compareAudio(original, b);
        std::printf("%-5s %8.2fs %8.2fs %6.3f | %12lld %12lld | %8.2f %8.2f | %8.2f %8.2f%s\n", format.name, one,
                    automatic, automatic / one, static_cast<long long>(a.frames()), static_cast<long long>(b.frames()),
                    ca.snr, cb.snr, ca.worstWindow, cb.worstWindow, ok ? "" : "  (a run failed)");
        std::remove(oneOut.c_str());
        std::remove(autoOut.c_str());
    }

    std::vector<std::string> sources;
    for (int i = 0; i < 8; ++i) {
        sources.push_back(folder + "/batch_source" + std::to_string(i) + ".wav");
        writeMusicWav(sources.back(), batchSeconds + i);
    }
    double before = 0.0;
    double shared = 0.0;
    for (int round = 0; round < rounds; ++round) {
        for (int pass = 0; pass < 2; ++pass) {
            if ((round + pass) % 2 == 0)
                before += runBatch(sources, folder, cores, false);
            else
                shared += runBatch(sources, folder, cores, true);
        }
    }
    std::printf("\nbatch of 8 x %.0f s to MP3, %d at once: as before %.2fs, with the thread share %.2fs, ratio %.3f\n",
                batchSeconds, cores, before / rounds, shared / rounds, shared / before);
    for (const auto &file : sources)
        std::remove(file.c_str());
    for (int i = 0; i < 8; ++i)
        std::remove((folder + "/batch" + std::to_string(i) + ".mp3").c_str());
    std::remove(source.c_str());
    rmdir(folder.c_str());
    return 0;
}
