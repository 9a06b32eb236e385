#include "converter/failurereason.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include <string.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

std::string sentence(std::string text)
{
    if (!text.empty() && text.back() != '.')
        text += '.';
    return text;
}

// Every reason the window may show, as the tool and this program word them, %1
// and %2 standing for a path, a number or the system's own words (kept as
// they come). The tool's lines arrive with a capital letter and a full stop.
constexpr const char *kKnownReasons[] = {
    QT_TRANSLATE_NOOP("FailureReason", "The converter could not be started: %1."),
    QT_TRANSLATE_NOOP("FailureReason", "Cancelled."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter did not answer in time and was stopped."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter was stopped by signal %1 (%2)."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter ended without a usable result."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter did not accept its command line (exit status 1)."),
    QT_TRANSLATE_NOOP("FailureReason", "The source cannot be read as audio or video (exit status 2)."),
    QT_TRANSLATE_NOOP("FailureReason", "The chosen format or setting is not supported (exit status 3)."),
    QT_TRANSLATE_NOOP("FailureReason", "The output file cannot be created or written (exit status 4)."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter was interrupted (exit status 5)."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter failed with exit status %1."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter stopped while reading this file."),
    QT_TRANSLATE_NOOP("FailureReason", "No audio or video stream the converter can read."),
    QT_TRANSLATE_NOOP("FailureReason", "The output format is unknown."),
    QT_TRANSLATE_NOOP("FailureReason", "The target is the source file itself."),
    QT_TRANSLATE_NOOP("FailureReason", "The output folder does not take a new file."),
    QT_TRANSLATE_NOOP("FailureReason", "The converter wrote nothing."),
    QT_TRANSLATE_NOOP("FailureReason",
                      "The finished file could not be given its name; another file took it meanwhile."),
    QT_TRANSLATE_NOOP("FailureReason", "Failed to create folder \"%1\""),
    QT_TRANSLATE_NOOP("FailureReason", "Failed to create file \"%1\""),
    QT_TRANSLATE_NOOP("FailureReason", "Target exists and skipped"),
    QT_TRANSLATE_NOOP("FailureReason", "Target file name is same as original file that can't be overwritten. "
                                       "Please output files to a custom folder."),
    // The tool's own lines.
    QT_TRANSLATE_NOOP("FailureReason", "Interrupted."),
    QT_TRANSLATE_NOOP("FailureReason", "File not found: %1."),
    // The closer wordings first: the first pattern that fits wins.
    QT_TRANSLATE_NOOP("FailureReason", "Cannot read the streams of %1: the data is damaged or is not media."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot read the streams of %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot read %1: the data is damaged or is not media."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot read %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 is a directory, not a media file."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 is not a regular file (FIFO, socket or device)."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 is empty."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 holds nothing but zero bytes (an unfinished or preallocated file)."),
    QT_TRANSLATE_NOOP("FailureReason", "%1: the data is damaged or is not media."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 is not a media file the tool can read."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 refers to other files (%2); only media files are read."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot decode the audio of %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "No usable audio stream in %1."),
    QT_TRANSLATE_NOOP("FailureReason", "No decoder for the %1 audio of %2."),
    QT_TRANSLATE_NOOP("FailureReason", "The audio of %1 cannot be decoded."),
    QT_TRANSLATE_NOOP("FailureReason", "No audio could be decoded from %1."),
    QT_TRANSLATE_NOOP("FailureReason", "Too little audio in %1 to make a file of."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot create %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot write the header of %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot write the picture into %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot write %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot finish %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot close %1: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 is a symbolic link; the tool writes only regular files."),
    QT_TRANSLATE_NOOP("FailureReason", "The output file is the input file: %1."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 is not a regular file."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 exists (-y overwrites it)."),
    QT_TRANSLATE_NOOP("FailureReason", "The %1 container cannot hold %2 audio."),
    QT_TRANSLATE_NOOP("FailureReason", "Cannot add the loudness tags to %1."),
    QT_TRANSLATE_NOOP("FailureReason", "Audio conversion failed: %1."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 cannot encode %2 Hz, %3 channels: %4."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 cannot be opened again: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "%1 failed to encode: %2."),
    QT_TRANSLATE_NOOP("FailureReason", "AMR frame of the wrong size."),
    QT_TRANSLATE_NOOP("FailureReason", "The AMR encoder failed."),
    QT_TRANSLATE_NOOP("FailureReason", "The FLAC encoder wrote a frame that cannot be joined."),
};

// Texts the batch and the adding keep in English in their rows and reports,
// translated where they are shown. The closer wordings come first here too.
constexpr const char *kKnownTexts[] = {
    QT_TRANSLATE_NOOP("BatchText", "Converting..."),
    QT_TRANSLATE_NOOP("BatchText", "Cancelled"),
    QT_TRANSLATE_NOOP("BatchText", "Conversion Failure"),
    QT_TRANSLATE_NOOP("BatchText", "Saved as %1"),
    QT_TRANSLATE_NOOP("BatchText", "Converting %1 of %2 file(s) to %3..."),
    QT_TRANSLATE_NOOP("BatchText", "Converting %1..."),
    QT_TRANSLATE_NOOP("BatchText", "Measuring loudness %1 of %2..."),
    QT_TRANSLATE_NOOP("BatchText", "Measuring %1..."),
    QT_TRANSLATE_NOOP("BatchText", "Elapsed %1, remaining %2"),
    QT_TRANSLATE_NOOP("BatchText", "Elapsed %1, estimating the time remaining..."),
    QT_TRANSLATE_NOOP("BatchText", "Loudness undefined (digital silence): no loudness tags were written."),
    QT_TRANSLATE_NOOP("BatchText", "%1 file converted"),
    QT_TRANSLATE_NOOP("BatchText", "%1 files converted"),
    QT_TRANSLATE_NOOP("BatchText", "%1 converted, %2 failed"),
    QT_TRANSLATE_NOOP("BatchText", "%1 of %2 file was not converted."),
    QT_TRANSLATE_NOOP("BatchText", "%1 of %2 files was not converted."),
    QT_TRANSLATE_NOOP("BatchText", "%1 of %2 files were not converted."),
    QT_TRANSLATE_NOOP("BatchText", "%1 of %2 file went to the Documents folder."),
    QT_TRANSLATE_NOOP("BatchText", "%1 of %2 files went to the Documents folder."),
    QT_TRANSLATE_NOOP("BatchText", "Adding file %1 of %2..."),
    QT_TRANSLATE_NOOP("BatchText", "Failed to load the following files."),
    QT_TRANSLATE_NOOP("BatchText", "<more files>..."),
};

// The one text whose placeholder holds another reason, itself translated.
constexpr const char *kDocumentsNote =
    QT_TRANSLATE_NOOP("BatchText", "%1, so the file went to the Documents folder instead.");

struct KnownReason {
    const char *context;
    const char *text;
    QRegularExpression pattern;
};

// Each known text as a whole-line pattern, its placeholders matching anything.
const std::vector<KnownReason> &knownReasons()
{
    static const std::vector<KnownReason> reasons = [] {
        std::vector<KnownReason> list;
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        const auto add = [&list](const char *context, const char *text) {
            const QStringList pieces = QString::fromUtf8(text).split(placeholder);
            QStringList escaped;
            for (const QString &piece : pieces)
                escaped << QRegularExpression::escape(piece);
            const QString pattern = u'^' + escaped.join(QStringLiteral("(.+)")) + u'$';
            list.push_back(
                {context, text, QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)});
        };
        for (const char *text : kKnownReasons)
            add("FailureReason", text);
        for (const char *text : kKnownTexts)
            add("BatchText", text);
        add("BatchText", kDocumentsNote);
        return list;
    }();
    return reasons;
}

QString displayedLine(const QString &line);

// A reason inside a longer sentence, its own full stop taken off.
QString displayedReasonPart(const QString &reason)
{
    const QString whole = displayedLine(reason + u'.');
    if (whole != reason + u'.')
        return whole.endsWith(u'.') ? whole.chopped(1) : whole;
    return displayedLine(reason);
}

QString displayedLine(const QString &line)
{
    for (const KnownReason &known : knownReasons()) {
        const QRegularExpressionMatch match = known.pattern.match(line);
        if (!match.hasMatch())
            continue;
        QString shown = QCoreApplication::translate(known.context, known.text);
        // Untranslated, the line stays exactly as it came.
        if (shown == QLatin1String(known.text))
            return line;
        // One pass over the pieces, so a path holding "%2" is not filled in again.
        QStringList pieces;
        for (int i = 1; i <= match.lastCapturedIndex(); ++i)
            pieces << match.captured(i);
        if (known.text == kDocumentsNote)
            pieces[0] = displayedReasonPart(pieces[0]);
        switch (pieces.size()) {
        case 0: return shown;
        case 1: return shown.arg(pieces[0]);
        case 2: return shown.arg(pieces[0], pieces[1]);
        case 3: return shown.arg(pieces[0], pieces[1], pieces[2]);
        default: return shown.arg(pieces[0], pieces[1], pieces[2], pieces[3]);
        }
    }
    return line;
}

} // namespace

QString displayedFailureReason(const std::string &reason)
{
    return displayedText(QString::fromUtf8(reason));
}

QString displayedText(const QString &text)
{
    // Without a translation every line stays as it came: skip matching it against
    // every known text, which the list's cells and the progress lines would pay for
    // at each repaint.
    if (QCoreApplication::translate("FailureReason", kKnownReasons[0]) == QLatin1String(kKnownReasons[0]))
        return text;
    const QStringList lines = text.split(u'\n');
    QStringList shown;
    for (const QString &line : lines)
        shown << displayedLine(line);
    return shown.join(u'\n');
}

std::string runFailureReason(const RunReport &report)
{
    switch (report.outcome) {
    case RunOutcome::FailedToStart:
        return sentence("The converter could not be started: "
                        + std::string(std::strerror(report.startError ? report.startError : ENOENT)));
    case RunOutcome::Cancelled:
        return "Cancelled.";
    case RunOutcome::TimedOut:
        return "The converter did not answer in time and was stopped.";
    case RunOutcome::Signalled:
        return "The converter was stopped by signal " + std::to_string(report.signal) + " ("
               + std::string(::strsignal(report.signal)) + ").";
    case RunOutcome::Exited:
        break;
    }
    if (!report.errorLine.empty()) {
        std::string words = report.errorLine;
        words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
        return sentence(words);
    }
    // The tool's documented exit statuses.
    switch (report.exitCode) {
    case 0:
        return "The converter ended without a usable result.";
    case 1:
        return "The converter did not accept its command line (exit status 1).";
    case 2:
        return "The source cannot be read as audio or video (exit status 2).";
    case 3:
        return "The chosen format or setting is not supported (exit status 3).";
    case 4:
        return "The output file cannot be created or written (exit status 4).";
    case 5:
        return "The converter was interrupted (exit status 5).";
    default:
        return "The converter failed with exit status " + std::to_string(report.exitCode) + ".";
    }
}
