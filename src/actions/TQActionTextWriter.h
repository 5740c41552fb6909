#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>

// Writes one record text: "[" + elements joined by "," + "]". Numbers are
// decimal without padding; words go in unchanged (no quoting or escaping).
//
//     TQActionTextWriter(out).add(-1).add(type).add(target).close();
class TQActionTextWriter
{
public:
    // Starts the text in out, replacing what it held.
    explicit TQActionTextWriter(std::string &out);

    TQActionTextWriter &add(int value);
    TQActionTextWriter &add(qint64 value);
    TQActionTextWriter &add(std::string_view word);
    TQActionTextWriter &add(const char *word) { return add(std::string_view(word)); }
    TQActionTextWriter &add(const std::string &word) { return add(std::string_view(word)); }
    // Free text that may hold separators: the Base64 of its UTF-8 bytes.
    TQActionTextWriter &addBase64(std::string_view text);
    // A flag is written 1 or 0.
    TQActionTextWriter &addFlag(bool value) { return add(value ? 1 : 0); }
    // Appends text as it is, with no separator before it.
    TQActionTextWriter &append(std::string_view raw);
    // Closes the bracket.
    void close();

    // Appends value in decimal to out.
    static void appendNumber(std::string &out, qint64 value);

private:
    void separate();

    std::string &m_out;
    bool m_first = true;
};
