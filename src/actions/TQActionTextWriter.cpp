#include "actions/TQActionTextWriter.h"

#include <QByteArray>

#include <charconv>

TQActionTextWriter::TQActionTextWriter(std::string &out)
    : m_out(out)
{
    m_out.assign(1, '[');
}

void TQActionTextWriter::separate()
{
    if (!m_first)
        m_out += ',';
    m_first = false;
}

void TQActionTextWriter::appendNumber(std::string &out, qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof(digits), value);
    out.append(digits, size_t(result.ptr - digits));
}

TQActionTextWriter &TQActionTextWriter::add(int value)
{
    return add(qint64(value));
}

TQActionTextWriter &TQActionTextWriter::add(qint64 value)
{
    separate();
    appendNumber(m_out, value);
    return *this;
}

TQActionTextWriter &TQActionTextWriter::add(std::string_view word)
{
    separate();
    m_out.append(word);
    return *this;
}

TQActionTextWriter &TQActionTextWriter::addBase64(std::string_view text)
{
    const QByteArray encoded = QByteArray::fromRawData(text.data(), int(text.size())).toBase64();
    return add(std::string_view(encoded.constData(), size_t(encoded.size())));
}

TQActionTextWriter &TQActionTextWriter::append(std::string_view raw)
{
    m_out.append(raw);
    return *this;
}

void TQActionTextWriter::close()
{
    m_out += ']';
}
