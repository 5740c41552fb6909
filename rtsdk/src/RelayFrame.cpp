#include "rtsdk/RelayFrame.h"

namespace rtsdk {

namespace {
void putU32(std::string &out, uint32_t v)
{
    out.push_back(char(v >> 24));
    out.push_back(char(v >> 16));
    out.push_back(char(v >> 8));
    out.push_back(char(v));
}

uint32_t getU32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint32_t(u[0]) << 24 | uint32_t(u[1]) << 16 | uint32_t(u[2]) << 8 | uint32_t(u[3]);
}

const std::string kNone;
} // namespace

RelayFrame &RelayFrame::add(std::string text)
{
    parts.push_back(std::move(text));
    return *this;
}

RelayFrame &RelayFrame::addNumber(int64_t value)
{
    std::string bytes(8, '\0');
    const uint64_t u = uint64_t(value);
    for (int i = 0; i < 8; ++i)
        bytes[size_t(i)] = char(u >> (56 - 8 * i));
    return add(std::move(bytes));
}

const std::string &RelayFrame::text(size_t index) const
{
    return index < parts.size() ? parts[index] : kNone;
}

bool RelayFrame::number(size_t index, int64_t *value) const
{
    if (index >= parts.size() || parts[index].size() != 8)
        return false;
    uint64_t u = 0;
    for (unsigned char c : parts[index])
        u = u << 8 | c;
    *value = int64_t(u);
    return true;
}

std::string RelayFrame::encode() const
{
    size_t body = 1;
    for (const std::string &part : parts)
        body += 4 + part.size();
    std::string out;
    out.reserve(4 + body);
    putU32(out, uint32_t(body));
    out.push_back(char(kind));
    for (const std::string &part : parts) {
        putU32(out, uint32_t(part.size()));
        out += part;
    }
    return out;
}

void RelayFrameReader::feed(const char *data, size_t size)
{
    if (mRefused)
        return;
    // Drop what was read before appending, so the buffer does not grow.
    if (mStart > 0 && mStart * 2 >= mBuffer.size()) {
        mBuffer.erase(0, mStart);
        mStart = 0;
    }
    mBuffer.append(data, size);
}

RelayFrameReader::Result RelayFrameReader::next(RelayFrame *out)
{
    if (mRefused)
        return Result::Refused;
    if (pending() < 4)
        return Result::NeedMore;
    const size_t body = getU32(mBuffer.data() + mStart);
    // Refuse an impossible length at once, before waiting for its bytes.
    if (body == 0 || body > kMaxBody) {
        mRefused = true;
        return Result::Refused;
    }
    if (pending() < 4 + body)
        return Result::NeedMore;
    if (!decodeBody(mBuffer.data() + mStart + 4, body, out)) {
        mRefused = true;
        return Result::Refused;
    }
    mStart += 4 + body;
    return Result::Frame;
}

bool RelayFrameReader::decodeBody(const char *body, size_t size, RelayFrame *out)
{
    if (size < 1)
        return false;
    RelayFrame frame { static_cast<RelayKind>(static_cast<uint8_t>(body[0])) };
    size_t at = 1;
    while (at < size) {
        if (size - at < 4 || frame.parts.size() >= kMaxParts)
            return false;
        const size_t length = getU32(body + at);
        at += 4;
        if (length > size - at)
            return false;
        frame.parts.emplace_back(body + at, length);
        at += length;
    }
    *out = std::move(frame);
    return true;
}

} // namespace rtsdk
