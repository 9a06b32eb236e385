#include "boundedreader.h"

#include "console.h"
#include "interruption.h"
#include "toolerror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kescvt {

namespace {

constexpr int ioBufferBytes = 64 * 1024;

[[noreturn]] void inputError(const std::string &text)
{
    throw ToolError(ExitInput, text);
}

bool allZero(const uint8_t *bytes, size_t count)
{
    return count == 0 || (bytes[0] == 0 && std::memcmp(bytes, bytes + 1, count - 1) == 0);
}

} // namespace

BoundedReader::BoundedReader(const std::string &path)
    : m_path(path)
{
    openFile();
    findDataEnd();
    // Tag parsing in the demuxers costs the square of the number of tags; the reader shows
    // every tag block thinned to the first few hundred entries.
    m_tags.scan(m_file.fd, m_size);
    openIo();
}

BoundedReader::Descriptor::~Descriptor()
{
    if (fd >= 0)
        ::close(fd);
}

// The reader's buffer may have been replaced by FFmpeg meanwhile; the context knows the
// current one.
void BoundedReader::IoDeleter::operator()(AVIOContext *io) const
{
    av_freep(&io->buffer);
    avio_context_free(&io);
}

// Checked on the opened file: opening a FIFO would block (hence O_NONBLOCK, dropped once it
// is known to be a regular file), and a device may never end.
void BoundedReader::openFile()
{
    m_file.fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_file.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            inputError("file not found: " + printable(m_path));
        inputError("cannot read " + printable(m_path) + ": " + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(m_file.fd, &info) != 0)
        inputError("cannot read " + printable(m_path) + ": " + std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        inputError(printable(m_path) + " is a directory, not a media file");
    if (!S_ISREG(info.st_mode))
        inputError(printable(m_path) + " is not a regular file (FIFO, socket or device)");
    if (info.st_size == 0)
        inputError(printable(m_path) + " is empty");
    ::fcntl(m_file.fd, F_SETFL, ::fcntl(m_file.fd, F_GETFL) & ~O_NONBLOCK);
    m_size = info.st_size;
    m_dataEnd = m_readEnd = m_size;
}

// Finds where the file's data really ends: holes of a sparse file are skipped without
// reading, and a bounded stretch before the last data is read backwards for zeros.
void BoundedReader::findDataEnd()
{
    int64_t lastData = 0;
    bool mapped = false;
    for (int regions = 0; regions < 4096; ++regions) {
        const off_t data = ::lseek(m_file.fd, lastData, SEEK_DATA);
        if (data < 0) {
            mapped = errno == ENXIO;
            break;
        }
        const off_t hole = ::lseek(m_file.fd, data, SEEK_HOLE);
        if (hole <= data)
            break;
        lastData = hole;
    }
    constexpr int64_t block = 1 << 20;
    constexpr int64_t maxScan = 64LL << 20;
    std::vector<uint8_t> buffer(block);
    const int64_t scanFrom = mapped ? std::min(lastData, m_size) : m_size;
    int64_t end = scanFrom;
    while (end > 0 && scanFrom - end < maxScan) {
        const int64_t start = std::max<int64_t>(0, end - block);
        const ssize_t got = ::pread(m_file.fd, buffer.data(), static_cast<size_t>(end - start), start);
        if (got != end - start)
            return;
        if (!allZero(buffer.data(), static_cast<size_t>(got))) {
            int64_t last = got - 1;
            while (buffer[static_cast<size_t>(last)] == 0)
                --last;
            end = start + last + 1;
            break;
        }
        end = start;
    }
    if (end == 0)
        inputError(printable(m_path) + " holds nothing but zero bytes (an unfinished or preallocated file)");
    // A few kilobytes of zeros can end a real frame; only a long run is cut, with a margin.
    constexpr int64_t longRun = 64 * 1024;
    if (m_size - end >= longRun)
        m_dataEnd = std::min(m_size, end + 4096);
}

void BoundedReader::openIo()
{
    auto *buffer = static_cast<uint8_t *>(av_malloc(ioBufferBytes));
    if (!buffer)
        throw std::bad_alloc();
    m_io.reset(avio_alloc_context(buffer, ioBufferBytes, 0, this, readThunk, nullptr, seekThunk));
    if (!m_io) {
        av_free(buffer);
        throw std::bad_alloc();
    }
}

int BoundedReader::readThunk(void *opaque, uint8_t *buffer, int size)
{
    return static_cast<BoundedReader *>(opaque)->read(buffer, size);
}

int64_t BoundedReader::seekThunk(void *opaque, int64_t offset, int whence)
{
    return static_cast<BoundedReader *>(opaque)->seek(offset, whence);
}

int BoundedReader::read(uint8_t *buffer, int size)
{
    if (interruptionRequested())
        return AVERROR_EXIT;
    if (m_sincePacket > maxBytesBetweenPackets)
        return AVERROR_INVALIDDATA;
    const int64_t wanted = std::min<int64_t>(size, m_readEnd - m_position);
    if (wanted <= 0)
        return AVERROR_EOF;
    m_tags.beforeRead(m_position, wanted);
    ssize_t got;
    do
        got = ::pread(m_file.fd, buffer, static_cast<size_t>(wanted), m_position);
    while (got < 0 && errno == EINTR && !interruptionRequested());
    if (got < 0)
        return AVERROR(errno);
    if (got == 0)
        return AVERROR_EOF;
    m_tags.apply(m_position, buffer, got);
    // A leading tag of any size is header, not a search for frames.
    m_sincePacket += got - std::clamp<int64_t>(m_tags.leadingTagEnd() - m_position, 0, got);
    m_position += got;
    return static_cast<int>(got);
}

int64_t BoundedReader::seek(int64_t offset, int whence)
{
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return m_readEnd;
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += m_position;
        break;
    case SEEK_END:
        offset += m_readEnd;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (offset < 0)
        return AVERROR(EINVAL);
    m_position = offset;
    return offset;
}

} // namespace kescvt
