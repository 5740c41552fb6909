#include "utils/CZipLzmaWriter.h"

#include "utils/CLog.h"

#include <QDateTime>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>

namespace {

constexpr quint32 kLocalHeaderSignature = 0x04034b50;
constexpr quint32 kCentralHeaderSignature = 0x02014b50;
constexpr quint32 kEndOfCentralDirectorySignature = 0x06054b50;
constexpr quint16 kVersionNeeded = 63;                  // 6.3: LZMA
constexpr quint16 kVersionMadeBy = (3 << 8) | 63;       // Unix, so the attributes hold a file mode
constexpr quint16 kMethodLzma = 14;
constexpr quint16 kFlagEndMarker = 0x0002;              // the LZMA stream ends with its end marker
constexpr quint16 kFlagUtf8Name = 0x0800;
constexpr quint32 kRegularFileAttributes = 0100644u << 16;
constexpr int kLocalHeaderCrcOffset = 14;
constexpr int kLocalHeaderSize = 30;
constexpr quint64 kMax32 = 0xFFFFFFFEull;               // 0xFFFFFFFF would announce Zip64
constexpr size_t kMaxEntries = 0xFFFE;
constexpr int kChunkSize = 1 << 20;
constexpr quint32 kSmallestDictionary = 1u << 16;

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, quint16(value & 0xFFFF));
    put16(out, quint16(value >> 16));
}

// MS-DOS date and time in local time, the only stamp a plain zip entry carries.
void dosStamp(const QDateTime &modified, quint16 &dosTime, quint16 &dosDate)
{
    QDateTime stamp = modified.isValid() ? modified.toLocalTime() : QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    if (stamp.date().year() < 1980)
        stamp = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    if (stamp.date().year() > 2107)
        stamp = QDateTime(QDate(2107, 12, 31), QTime(23, 59, 58));
    const QDate d = stamp.date();
    const QTime t = stamp.time();
    dosTime = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    dosDate = quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

// A dictionary larger than the input buys nothing and costs encoder memory.
quint32 dictionaryFor(qint64 inputSize, quint32 presetDictionary)
{
    quint32 size = kSmallestDictionary;
    while (size < presetDictionary && static_cast<qint64>(size) < inputSize)
        size <<= 1;
    return std::min(size, presetDictionary);
}

} // namespace

// The fields from "version needed" to "extra field length", the same in the
// local and the central header.
void CZipLzmaWriter::putSharedFields(QByteArray &out, const Entry &entry)
{
    put16(out, kVersionNeeded);
    put16(out, entry.flags);
    put16(out, kMethodLzma);
    put16(out, entry.dosTime);
    put16(out, entry.dosDate);
    put32(out, entry.crc);
    put32(out, entry.compressedSize);
    put32(out, entry.size);
    put16(out, quint16(entry.name.size()));
    put16(out, 0); // no extra field
}

CZipLzmaWriter::CZipLzmaWriter(const QString &archivePath, quint32 preset)
    : m_archivePath(archivePath)
    , m_partPath(archivePath + QStringLiteral(".part"))
    , m_preset(preset)
{
}

CZipLzmaWriter::~CZipLzmaWriter()
{
    if (m_state != State::Finished)
        abandon();
    lzma_end(&m_stream);
}

bool CZipLzmaWriter::fail(const QString &message, const char *function)
{
    CLog::error(message, QStringLiteral("%1 ").arg(QLatin1String(function)));
    abandon();
    return false;
}

void CZipLzmaWriter::abandon()
{
    const bool hadPartFile = m_state == State::Open;
    if (m_file.isOpen())
        m_file.close();
    if (hadPartFile)
        QFile::remove(m_partPath);
    m_state = State::Failed;
    m_entries.clear();
}

bool CZipLzmaWriter::ensureOpen()
{
    if (m_state == State::Open)
        return true;
    if (m_state != State::Idle)
        return false;
    if (QFile::exists(m_partPath))
        QFile::remove(m_partPath);
    m_file.setFileName(m_partPath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("create %1 failed: %2").arg(m_partPath, m_file.errorString()),
                    "CZipLzmaWriter::ensureOpen");
    m_state = State::Open;
    return true;
}

bool CZipLzmaWriter::writeBytes(const QByteArray &bytes)
{
    return m_file.write(bytes) == bytes.size();
}

bool CZipLzmaWriter::addFile(const QString &sourcePath, const QString &entryName)
{
    const char *const function = "CZipLzmaWriter::addFile";
    if (m_state == State::Failed || m_state == State::Finished) {
        CLog::error(QStringLiteral("archive %1 is closed, %2 not added").arg(m_archivePath, sourcePath),
                    QStringLiteral("%1 ").arg(QLatin1String(function)));
        return false;
    }
    const QFileInfo info(sourcePath);
    // Only regular files: a FIFO or a device would block or never end.
    if (!info.isFile())
        return fail(QStringLiteral("%1 is not a regular file").arg(sourcePath), function);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("open %1 failed: %2").arg(sourcePath, source.errorString()), function);
    if (!ensureOpen())
        return false;
    if (m_entries.size() >= kMaxEntries)
        return fail(QStringLiteral("too many entries for %1").arg(m_archivePath), function);
    const qint64 headerOffset = m_file.pos();
    if (static_cast<quint64>(headerOffset) > kMax32)
        return fail(QStringLiteral("archive %1 reached 4 GiB").arg(m_archivePath), function);

    Entry entry;
    entry.name = entryName.toUtf8();
    if (entry.name.isEmpty() || entry.name.size() > 0xFFFF)
        return fail(QStringLiteral("bad entry name for %1").arg(sourcePath), function);
    entry.flags = kFlagEndMarker | (isAscii(entry.name) ? 0 : kFlagUtf8Name);
    dosStamp(info.lastModified(), entry.dosTime, entry.dosDate);
    entry.externalAttributes = kRegularFileAttributes;
    entry.headerOffset = static_cast<quint32>(headerOffset);

    // CRC and sizes are known only after the data (0 until then); they are patched in below.
    QByteArray header;
    header.reserve(kLocalHeaderSize + entry.name.size());
    put32(header, kLocalHeaderSignature);
    putSharedFields(header, entry);
    header.append(entry.name);
    if (!writeBytes(header))
        return fail(QStringLiteral("write %1 failed: %2").arg(m_partPath, m_file.errorString()), function);

    if (!compressStream(source, entry))
        return false;

    QByteArray sizes;
    put32(sizes, entry.crc);
    put32(sizes, entry.compressedSize);
    put32(sizes, entry.size);
    const qint64 end = m_file.pos();
    if (!m_file.seek(headerOffset + kLocalHeaderCrcOffset) || !writeBytes(sizes) || !m_file.seek(end))
        return fail(QStringLiteral("write %1 failed: %2").arg(m_partPath, m_file.errorString()), function);
    m_entries.push_back(entry);
    return true;
}

bool CZipLzmaWriter::compressStream(QFile &source, Entry &entry)
{
    const char *const function = "CZipLzmaWriter::compressStream";
    lzma_options_lzma options;
    if (lzma_lzma_preset(&options, m_preset))
        return fail(QStringLiteral("no LZMA preset %1").arg(m_preset), function);
    options.dict_size = dictionaryFor(source.size(), options.dict_size);
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};

    // The zip form of LZMA data: encoder version (2 bytes), properties size
    // (2 bytes), the 5 property bytes, then the raw stream with its end marker.
    uint8_t properties[5];
    if (lzma_properties_encode(&filters[0], properties) != LZMA_OK)
        return fail(QStringLiteral("LZMA properties failed"), function);
    const lzma_ret init = lzma_raw_encoder(&m_stream, filters);
    if (init != LZMA_OK)
        return fail(QStringLiteral("LZMA encoder init failed: %1").arg(int(init)), function);
    QByteArray lzmaHeader;
    lzmaHeader.append(char(LZMA_VERSION_MAJOR));
    lzmaHeader.append(char(LZMA_VERSION_MINOR));
    put16(lzmaHeader, sizeof(properties));
    lzmaHeader.append(reinterpret_cast<const char *>(properties), sizeof(properties));
    if (!writeBytes(lzmaHeader))
        return fail(QStringLiteral("write %1 failed: %2").arg(m_partPath, m_file.errorString()), function);

    m_inBuffer.resize(kChunkSize);
    m_outBuffer.resize(kChunkSize);
    quint64 compressed = lzmaHeader.size();
    quint64 total = 0;
    uLong crc = crc32(0L, Z_NULL, 0);
    lzma_ret ret = LZMA_OK;
    while (ret != LZMA_STREAM_END) {
        const qint64 got = source.read(m_inBuffer.data(), m_inBuffer.size());
        if (got < 0)
            return fail(QStringLiteral("read %1 failed: %2").arg(source.fileName(), source.errorString()), function);
        const lzma_action action = got == 0 ? LZMA_FINISH : LZMA_RUN;
        if (got > 0) {
            crc = crc32(crc, reinterpret_cast<const Bytef *>(m_inBuffer.constData()), uInt(got));
            total += quint64(got);
            if (total > kMax32)
                return fail(QStringLiteral("%1 reached 4 GiB").arg(source.fileName()), function);
        }
        m_stream.next_in = reinterpret_cast<const uint8_t *>(m_inBuffer.constData());
        m_stream.avail_in = size_t(got);
        do {
            m_stream.next_out = reinterpret_cast<uint8_t *>(m_outBuffer.data());
            m_stream.avail_out = size_t(m_outBuffer.size());
            ret = lzma_code(&m_stream, action);
            if (ret != LZMA_OK && ret != LZMA_STREAM_END)
                return fail(QStringLiteral("LZMA encoder failed on %1: %2").arg(source.fileName()).arg(int(ret)),
                            function);
            const qint64 produced = m_outBuffer.size() - qint64(m_stream.avail_out);
            if (produced > 0 && m_file.write(m_outBuffer.constData(), produced) != produced)
                return fail(QStringLiteral("write %1 failed: %2").arg(m_partPath, m_file.errorString()), function);
            compressed += quint64(produced);
        } while (m_stream.avail_in > 0 || (action == LZMA_FINISH && ret != LZMA_STREAM_END));
    }
    if (compressed > kMax32)
        return fail(QStringLiteral("%1 reached 4 GiB compressed").arg(source.fileName()), function);
    entry.crc = quint32(crc);
    entry.size = quint32(total);
    entry.compressedSize = quint32(compressed);
    return true;
}

bool CZipLzmaWriter::finish()
{
    const char *const function = "CZipLzmaWriter::finish";
    if (!ensureOpen())
        return false;
    const qint64 directoryOffset = m_file.pos();
    QByteArray directory;
    for (const Entry &entry : m_entries) {
        put32(directory, kCentralHeaderSignature);
        put16(directory, kVersionMadeBy);
        putSharedFields(directory, entry);
        put16(directory, 0); // comment length
        put16(directory, 0); // disk number
        put16(directory, 0); // internal attributes
        put32(directory, entry.externalAttributes);
        put32(directory, entry.headerOffset);
        directory.append(entry.name);
    }
    if (static_cast<quint64>(directoryOffset) + quint64(directory.size()) > kMax32)
        return fail(QStringLiteral("archive %1 reached 4 GiB").arg(m_archivePath), function);
    const quint32 directorySize = quint32(directory.size());
    put32(directory, kEndOfCentralDirectorySignature);
    put16(directory, 0);
    put16(directory, 0);
    put16(directory, quint16(m_entries.size()));
    put16(directory, quint16(m_entries.size()));
    put32(directory, directorySize);
    put32(directory, quint32(directoryOffset));
    put16(directory, 0);
    if (!writeBytes(directory) || !m_file.flush())
        return fail(QStringLiteral("write %1 failed: %2").arg(m_partPath, m_file.errorString()), function);
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("close %1 failed: %2").arg(m_partPath, m_file.errorString()), function);
    if (QFile::exists(m_archivePath) && !QFile::remove(m_archivePath))
        return fail(QStringLiteral("remove old %1 failed").arg(m_archivePath), function);
    if (!QFile::rename(m_partPath, m_archivePath))
        return fail(QStringLiteral("rename %1 to %2 failed").arg(m_partPath, m_archivePath), function);
    m_state = State::Finished;
    lzma_end(&m_stream);
    m_stream = LZMA_STREAM_INIT;
    return true;
}
