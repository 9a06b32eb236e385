// Opens every file under the given folders with libavformat (open, find_stream_info,
// close), one after another in this one process: how fast the files can be read.
// Prints the number of files read and the number that opened.
extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    av_log_set_level(AV_LOG_QUIET);
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        for (const auto &entry : std::filesystem::recursive_directory_iterator(argv[i]))
            if (entry.is_regular_file())
                files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    int opened = 0;
    for (const std::string &file : files) {
        AVFormatContext *context = nullptr;
        if (avformat_open_input(&context, file.c_str(), nullptr, nullptr) != 0)
            continue;
        if (avformat_find_stream_info(context, nullptr) >= 0)
            ++opened;
        avformat_close_input(&context);
    }
    std::printf("%zu %d\n", files.size(), opened);
    return 0;
}
