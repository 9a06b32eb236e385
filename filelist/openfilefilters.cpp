#include "filelist/openfilefilters.h"

#include <algorithm>

const std::vector<std::string> &openFileFilters()
{
    static const std::vector<std::string> filters = {
        "All Files (*.*)",
        "3GPP Files (*.3gp)",
        "3GPP2 Files (*.3g2)",
        "Adobe Flash Files (*.swf)",
        "Advanced Audio Coding (*.aac)",
        "AIFF Files (*.aiff;*.aif;*.aifc;*.afc)",
        "AMR Files (*.amr;*.awb)",
        "AU Files (*.au;*.snd)",
        "AVI Files (*.avi)",
        "CD Audio (*.cda)",
        "Creative Voice Files (*.voc)",
        "CRI ADX Files (*.adx)",
        "Dolby Digital AC-3 (*.ac3)",
        "DTS Files (*.dts)",
        "DV Video Files (*.dv;*.dif)",
        "DVD Video Files (*.vob;*.dvd)",
        "Electronic Arts CDATA Files (*.cdata)",
        "Flash Video Files (*.flv)",
        "Free Lossless Audio Codec (*.flac)",
        "H.264/MPEG4 AVC Video (*.m2ts;*.mts)",
        "Matroska Files (*.mkv;*.mka)",
        "Microsoft Digital Video Recording (*.dvr-ms)",
        "MJPEG Video Files (*.mjpg;*.mjpeg)",
        "MMF Files (*.mmf)",
        "Monkey's Audio (*.ape;*.mac)",
        "MP3 Files (*.mp3)",
        "MPEG Audio Files (*.mpa;*.mpga;*.m2a)",
        "MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)",
        "MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)",
        "MPEG4 TS HD Video (*.ts)",
        "MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)",
        "Musepack (*.mpc;*.mp+;*.mpp)",
        "Nullsoft Audio/Video Files (*.nsv;*.nsa)",
        "NUT Files (*.nut)",
        "OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)",
        "Opus Files (*.opus)",
        "QuickTime Files (*.mov;*.qt)",
        "Raw h261 Files (*.h261)",
        "Raw h263 Files (*.h263)",
        "Raw h264 Video Files (*.h264;*.264)",
        "Real Audio Files (*.ra;*.ram)",
        "Real Media Files (*.rm;*.rmvb)",
        "Speex (*.spx)",
        "The True Audio (*.tta)",
        "VCD Video Files (*.dat)",
        "WAV Files (*.wav)",
        "WavPack (*.wv)",
        "Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)",
        "YUV Video File (*.yuv)",
    };
    return filters;
}

std::vector<std::string> openFileFiltersForDialog()
{
    std::vector<std::string> filters = openFileFilters();
    filters.front() = "All Files (*)";
    // Qt splits the patterns between the parentheses at blanks only.
    std::vector<std::string> every;
    for (std::string &filter : filters) {
        const auto open = filter.rfind('(');
        for (auto at = filter.find(';', open); at != std::string::npos; at = filter.find(';', at))
            filter[at] = ' ';
        if (&filter == &filters.front())
            continue;
        const std::string inner = filter.substr(open + 1, filter.size() - open - 2);
        for (std::size_t from = 0; from <= inner.size();) {
            const std::size_t blank = std::min(inner.find(' ', from), inner.size());
            const std::string pattern = inner.substr(from, blank - from);
            if (std::find(every.begin(), every.end(), pattern) == every.end())
                every.push_back(pattern);
            from = blank + 1;
        }
    }
    // First, and so the dialog's default: whatever the tool reads, at once.
    std::string all = "All supported files (";
    for (const std::string &pattern : every)
        all += (all.back() == '(' ? "" : " ") + pattern;
    filters.insert(filters.begin(), all + ")");
    return filters;
}
