#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <lzma.h>

#include <vector>

// Writes one zip archive whose entries are LZMA-compressed (method 14), one
// source file at a time. Sources are streamed in fixed-size chunks, so a large
// log never sits in memory whole. The archive is built in "<path>.part" and
// renamed into place by finish(); an archive that is abandoned or fails on the
// way leaves no file behind. Not for archives of 4 GiB or more (no Zip64):
// such an archive is refused, never written wrong.
//
// One writer per archive; a writer is used by one thread at a time.
class CZipLzmaWriter
{
public:
    // liblzma preset level of the packs. Level 1 (fast mode) packs a log more
    // than ten times faster than the default level 6 for an archive about a
    // third larger; the pack competes with a live class for the CPU, so speed wins.
    // bench_pack prints both.
    static constexpr quint32 kDefaultPreset = 1;

    explicit CZipLzmaWriter(const QString &archivePath, quint32 preset = kDefaultPreset);
    ~CZipLzmaWriter(); // abandons an unfinished archive
    CZipLzmaWriter(const CZipLzmaWriter &) = delete;
    CZipLzmaWriter &operator=(const CZipLzmaWriter &) = delete;

    // Adds the file at `sourcePath` as `entryName` (stored as UTF-8). The
    // archive file is created by the first call. False (with a log line) when
    // the source cannot be read or the archive cannot be written; the writer
    // is then abandoned and every later call fails.
    bool addFile(const QString &sourcePath, const QString &entryName);

    // Writes the central directory and moves the archive into place (an
    // existing file at the archive path is replaced). An archive without any
    // entry is valid, too. False (with a log line) on any failure.
    bool finish();

    // Drops the unfinished archive and its partial file.
    void abandon();

    QString archivePath() const { return m_archivePath; }
    int entryCount() const { return static_cast<int>(m_entries.size()); }

private:
    struct Entry
    {
        QByteArray name;
        quint16 flags = 0;
        quint16 dosTime = 0;
        quint16 dosDate = 0;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 externalAttributes = 0;
        quint32 headerOffset = 0;
    };

    enum class State { Idle, Open, Finished, Failed };

    static void putSharedFields(QByteArray &out, const Entry &entry);
    bool ensureOpen();
    bool writeBytes(const QByteArray &bytes);
    bool compressStream(QFile &source, Entry &entry);
    bool fail(const QString &message, const char *function);

    QString m_archivePath;
    QString m_partPath;
    quint32 m_preset;
    QFile m_file;
    State m_state = State::Idle;
    std::vector<Entry> m_entries;
    lzma_stream m_stream = LZMA_STREAM_INIT; // kept across entries so its memory is reused
    QByteArray m_inBuffer;
    QByteArray m_outBuffer;
};
