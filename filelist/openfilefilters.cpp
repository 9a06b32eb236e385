#include "filelist/openfilefilters.h"

#include <algorithm>

#include <QCoreApplication>

const std::vector<std::string> &openFileFilters()
{
    static const std::vector<std::string> filters = {
        QT_TRANSLATE_NOOP("OpenFileFilters", "All Files (*.*)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "3GPP Files (*.3gp)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "3GPP2 Files (*.3g2)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Adobe Flash Files (*.swf)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Advanced Audio Coding (*.aac)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "AIFF Files (*.aiff;*.aif;*.aifc;*.afc)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "AMR Files (*.amr;*.awb)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "AU Files (*.au;*.snd)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "AVI Files (*.avi)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "CD Audio (*.cda)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Creative Voice Files (*.voc)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "CRI ADX Files (*.adx)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Dolby Digital AC-3 (*.ac3)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "DTS Files (*.dts)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "DV Video Files (*.dv;*.dif)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "DVD Video Files (*.vob;*.dvd)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Electronic Arts CDATA Files (*.cdata)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Flash Video Files (*.flv)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Free Lossless Audio Codec (*.flac)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "H.264/MPEG4 AVC Video (*.m2ts;*.mts)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Matroska Files (*.mkv;*.mka)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Microsoft Digital Video Recording (*.dvr-ms)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MJPEG Video Files (*.mjpg;*.mjpeg)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MMF Files (*.mmf)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Monkey's Audio (*.ape;*.mac)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MP3 Files (*.mp3)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG Audio Files (*.mpa;*.mpga;*.m2a)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG Video Files (*.mpg;*.mpe;*.mpeg;*.m1v;*.mp2;*.m2v;*.mp1;*.mlv)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG-4 Audio Files (*.m4a;*.m4b;*.mp4)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG4 TS HD Video (*.ts)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "MPEG-4 Video Files (*.mp4;*.m4v;*.mpv;*.psp)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Musepack (*.mpc;*.mp+;*.mpp)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Nullsoft Audio/Video Files (*.nsv;*.nsa)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "NUT Files (*.nut)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "OGG Files (*.ogg;*.oga;*.ogm;*.ogv;*.ogx)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Opus Files (*.opus)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "QuickTime Files (*.mov;*.qt)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Raw h261 Files (*.h261)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Raw h263 Files (*.h263)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Raw h264 Video Files (*.h264;*.264)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Real Audio Files (*.ra;*.ram)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Real Media Files (*.rm;*.rmvb)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Speex (*.spx)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "The True Audio (*.tta)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "VCD Video Files (*.dat)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "WAV Files (*.wav)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "WavPack (*.wv)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "Windows Media Files (*.wma;*.asf;*.wmv;*.wm;*.wmd;*.xwmv)"),
        QT_TRANSLATE_NOOP("OpenFileFilters", "YUV Video File (*.yuv)"),
    };
    return filters;
}

namespace {

// The filter's name in the user's language, its patterns as they are (a
// translation cannot change what the dialog matches).
std::string translatedFilter(const std::string &filter)
{
    const std::string shown = QCoreApplication::translate("OpenFileFilters", filter.c_str()).toStdString();
    const auto open = filter.rfind(" (");
    const auto shownOpen = shown.rfind(" (");
    if (open == std::string::npos || shownOpen == std::string::npos)
        return filter;
    return shown.substr(0, shownOpen) + filter.substr(open);
}

} // namespace

std::vector<std::string> openFileFiltersForDialog()
{
    std::vector<std::string> filters = openFileFilters();
    filters.front() = QT_TRANSLATE_NOOP("OpenFileFilters", "All Files (*)");
    for (std::string &filter : filters)
        filter = translatedFilter(filter);
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
    std::string all = QCoreApplication::translate("OpenFileFilters", "All supported files").toStdString() + " (";
    for (const std::string &pattern : every)
        all += (all.back() == '(' ? "" : " ") + pattern;
    filters.insert(filters.begin(), all + ")");
    return filters;
}
