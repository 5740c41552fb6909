#include "RelayServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

using rtsdk::RelayFrame;
using rtsdk::RelayFrameReader;
using rtsdk::RelayKind;

namespace {
// The SDK's own values, which the clients hand on as they are.
const int64_t kStateOk = 0;
const int64_t kStateNotJoined = 8;
const int64_t kStatePeerUnreachable = 9;
const int64_t kReasonRemoteLogin = 8;
const int kOfflineQuit = 0;
const int kOfflineDropped = 1;
const size_t kMaxPicture = 4096;
} // namespace

RelayServer::RelayServer()
{
    mWakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

RelayServer::~RelayServer()
{
    for (auto &entry : mConnections)
        ::close(entry.first);
    if (mListenFd >= 0)
        ::close(mListenFd);
    if (mWakeFd >= 0)
        ::close(mWakeFd);
}

bool RelayServer::listen(uint16_t port)
{
    mListenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (mListenFd < 0)
        return false;
    // A relay started again takes its port back at once.
    const int one = 1;
    setsockopt(mListenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(mListenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(mListenFd, 64) != 0)
        return false;
    socklen_t length = sizeof address;
    getsockname(mListenFd, reinterpret_cast<sockaddr *>(&address), &length);
    mPort = ntohs(address.sin_port);
    return true;
}

void RelayServer::stop()
{
    mStop = true;
    const uint64_t one = 1;
    if (::write(mWakeFd, &one, sizeof one) < 0) {
        // The flag alone ends the loop at its next turn.
    }
}

void RelayServer::run()
{
    while (!mStop) {
        std::vector<pollfd> fds;
        fds.push_back({ mListenFd, POLLIN, 0 });
        fds.push_back({ mWakeFd, POLLIN, 0 });
        std::vector<ConnectionPtr> polled;
        for (auto &entry : mConnections) {
            const Connection &c = *entry.second;
            fds.push_back({ c.fd, short(POLLIN | (unsent(c) ? POLLOUT : 0)), 0 });
            polled.push_back(entry.second);
        }
        if (::poll(fds.data(), fds.size(), 1000) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents & POLLIN)
            accept();
        for (size_t i = 0; i < polled.size(); ++i) {
            const ConnectionPtr &c = polled[i];
            const short events = fds[i + 2].revents;
            if (c->closing)
                continue;
            if (events & (POLLIN | POLLHUP | POLLERR))
                readFrom(c);
            if (!c->closing && (events & POLLOUT))
                writeTo(*c);
        }
        // Closed only now, so no frame is handed to a connection mid-turn.
        for (const ConnectionPtr &c : polled)
            if (c->closing && mConnections.count(c->fd))
                close(c);
    }
}

void RelayServer::accept()
{
    for (;;) {
        const int fd = ::accept4(mListenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        const int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        auto c = std::make_shared<Connection>();
        c->fd = fd;
        mConnections[fd] = c;
    }
}

void RelayServer::readFrom(const ConnectionPtr &c)
{
    char buffer[65536];
    bool ended = false;
    for (;;) {
        const ssize_t got = ::recv(c->fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (got <= 0) {
            ended = true;
            break;
        }
        c->reader.feed(buffer, size_t(got));
    }
    // What came before the end still counts (a leave, then the close).
    RelayFrame frame;
    while (!c->closing && c->reader.next(&frame) == RelayFrameReader::Result::Frame)
        handle(c, frame);
    // A client that sends what is no frame is cut off; the others carry on.
    if (ended || c->reader.refused())
        c->closing = true;
}

void RelayServer::writeTo(Connection &c)
{
    while (unsent(c)) {
        const ssize_t wrote = ::send(c.fd, c.output.data() + c.written, unsent(c), MSG_NOSIGNAL);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (wrote <= 0) {
            c.closing = true;
            return;
        }
        c.written += size_t(wrote);
    }
    if (c.written == c.output.size()) {
        c.output.clear();
        c.written = 0;
    } else if (c.written > (1u << 20)) {
        c.output.erase(0, c.written);
        c.written = 0;
    }
}

void RelayServer::send(Connection &c, const RelayFrame &frame)
{
    if (c.closing)
        return;
    if (frame.kind == RelayKind::RtcFrame && unsent(c) > kFrameSkipOutput)
        return;
    c.output += frame.encode();
    if (unsent(c) > kMaxOutput)
        c.closing = true;
}

void RelayServer::close(const ConnectionPtr &c)
{
    endSession(*c);
    rtcLeave(*c, kOfflineDropped);
    mConnections.erase(c->fd);
    ::close(c->fd);
    c->fd = -1;
}

void RelayServer::handle(const ConnectionPtr &c, const RelayFrame &frame)
{
    switch (frame.kind) {
    case RelayKind::Login:
        login(c, frame.text(0));
        break;
    case RelayKind::Logout:
        endSession(*c);
        break;
    case RelayKind::Join:
        join(*c, frame.text(0));
        break;
    case RelayKind::Leave:
        leave(*c, frame.text(0));
        break;
    case RelayKind::ListMembers: {
        if (c->userId.empty())
            break;
        RelayFrame list(RelayKind::MemberList);
        list.add(frame.text(0));
        for (const std::string &member : mChannels[frame.text(0)])
            list.add(member);
        send(*c, list);
        break;
    }
    case RelayKind::ChannelMessage:
        channelMessage(*c, frame);
        break;
    case RelayKind::PeerMessage:
        peerMessage(*c, frame);
        break;
    case RelayKind::RtcJoin:
        rtcJoin(*c, frame);
        break;
    case RelayKind::RtcLeave:
        rtcLeave(*c, kOfflineQuit);
        break;
    case RelayKind::RtcStream: {
        int64_t streamId = 0;
        if (!c->inRtc || !frame.number(0, &streamId))
            break;
        RelayFrame out(RelayKind::RtcStream);
        out.addNumber(c->uid).addNumber(streamId).add(frame.text(1));
        for (Connection *other : hearers(*c))
            send(*other, out);
        break;
    }
    case RelayKind::RtcFrame: {
        int64_t width = 0, height = 0;
        if (!c->inRtc || !frame.number(0, &width) || !frame.number(1, &height) || width < 2 || height < 2
            || size_t(width) > kMaxPicture || size_t(height) > kMaxPicture)
            break;
        // Only a whole I420 picture is passed on.
        const size_t chroma = size_t((width + 1) / 2) * size_t((height + 1) / 2);
        if (frame.text(2).size() != size_t(width) * size_t(height) + 2 * chroma)
            break;
        RelayFrame out(RelayKind::RtcFrame);
        out.addNumber(c->uid).addNumber(width).addNumber(height).add(frame.text(2));
        for (Connection *other : hearers(*c))
            send(*other, out);
        break;
    }
    default:
        break; // a kind only the relay sends: ignored
    }
}

RelayServer::Connection *RelayServer::sessionOf(const std::string &userId) const
{
    auto it = mSessions.find(userId);
    return it == mSessions.end() ? nullptr : it->second;
}

void RelayServer::login(const ConnectionPtr &c, const std::string &userId)
{
    if (userId.empty() || !c->userId.empty())
        return;
    if (Connection *old = sessionOf(userId)) {
        // The same user id elsewhere: the older session ends, as in the hub.
        endSession(*old);
        send(*old, RelayFrame(RelayKind::Aborted).addNumber(kReasonRemoteLogin));
    }
    c->userId = userId;
    mSessions[userId] = c.get();
    send(*c, RelayFrame(RelayKind::LoginOk).add(userId));
}

void RelayServer::endSession(Connection &c)
{
    if (c.userId.empty())
        return;
    std::vector<std::string> channels;
    for (const auto &entry : mChannels)
        if (std::find(entry.second.begin(), entry.second.end(), c.userId) != entry.second.end())
            channels.push_back(entry.first);
    for (const std::string &channel : channels)
        leave(c, channel);
    mSessions.erase(c.userId);
    c.userId.clear();
}

void RelayServer::join(Connection &c, const std::string &channel)
{
    if (c.userId.empty() || channel.empty())
        return;
    std::vector<std::string> &members = mChannels[channel];
    if (std::find(members.begin(), members.end(), c.userId) != members.end()) {
        send(c, RelayFrame(RelayKind::Joined).add(channel).addNumber(int64_t(members.size())));
        return;
    }
    members.push_back(c.userId);
    const int64_t count = int64_t(members.size());
    send(c, RelayFrame(RelayKind::Joined).add(channel).addNumber(count));
    for (const std::string &other : members)
        if (other != c.userId)
            if (Connection *o = sessionOf(other))
                send(*o, RelayFrame(RelayKind::MemberJoined).add(channel).add(c.userId).addNumber(count));
}

void RelayServer::leave(Connection &c, const std::string &channel)
{
    auto it = mChannels.find(channel);
    if (it == mChannels.end() || c.userId.empty())
        return;
    std::vector<std::string> &members = it->second;
    const auto found = std::find(members.begin(), members.end(), c.userId);
    if (found == members.end())
        return;
    members.erase(found);
    const int64_t count = int64_t(members.size());
    for (const std::string &other : members)
        if (Connection *o = sessionOf(other))
            send(*o, RelayFrame(RelayKind::MemberLeft).add(channel).add(c.userId).addNumber(count));
    if (members.empty())
        mChannels.erase(it);
}

void RelayServer::channelMessage(Connection &c, const RelayFrame &frame)
{
    int64_t id = 0, type = 0;
    if (c.userId.empty() || !frame.number(1, &id) || !frame.number(2, &type))
        return;
    const std::string &channel = frame.text(0);
    auto it = mChannels.find(channel);
    if (it == mChannels.end() || std::find(it->second.begin(), it->second.end(), c.userId) == it->second.end()) {
        send(c, RelayFrame(RelayKind::Sent).add(channel).addNumber(id).addNumber(kStateNotJoined));
        return;
    }
    // The sender is who the relay knows, whatever the frame says.
    RelayFrame out(RelayKind::ChannelMessage);
    out.add(channel).addNumber(id).addNumber(type).add(frame.text(3)).add(frame.text(4)).add(c.userId);
    for (const std::string &other : it->second)
        if (other != c.userId)
            if (Connection *o = sessionOf(other))
                send(*o, out);
    send(c, RelayFrame(RelayKind::Sent).add(channel).addNumber(id).addNumber(kStateOk));
}

void RelayServer::peerMessage(Connection &c, const RelayFrame &frame)
{
    int64_t id = 0, type = 0;
    if (c.userId.empty() || !frame.number(1, &id) || !frame.number(2, &type))
        return;
    Connection *peer = sessionOf(frame.text(0));
    if (peer) {
        RelayFrame out(RelayKind::PeerMessage);
        out.add(c.userId).addNumber(id).addNumber(type).add(frame.text(3)).add(frame.text(4));
        send(*peer, out);
    }
    send(c, RelayFrame(RelayKind::Sent).add(std::string()).addNumber(id).addNumber(peer ? kStateOk
                                                                                      : kStatePeerUnreachable));
}

std::vector<RelayServer::Connection *> RelayServer::hearers(const Connection &c) const
{
    std::vector<Connection *> out;
    auto it = mRtcChannels.find(c.rtcChannel);
    if (!c.inRtc || it == mRtcChannels.end())
        return out;
    for (const auto &entry : it->second)
        if (entry.second != &c && entry.second->secret == c.secret && entry.second->mode == c.mode)
            out.push_back(entry.second);
    return out;
}

void RelayServer::rtcJoin(Connection &c, const RelayFrame &frame)
{
    int64_t asked = 0;
    const std::string &channel = frame.text(0);
    if (c.inRtc || channel.empty() || !frame.number(1, &asked) || asked < 0 || asked > int64_t(UINT32_MAX)) {
        send(c, RelayFrame(RelayKind::RtcRejected));
        return;
    }
    std::map<uint32_t, Connection *> &members = mRtcChannels[channel];
    uint32_t uid = uint32_t(asked);
    if (uid == 0) {
        while (members.count(mNextUid))
            ++mNextUid;
        uid = mNextUid++;
    } else if (members.count(uid)) {
        if (members.empty())
            mRtcChannels.erase(channel);
        send(c, RelayFrame(RelayKind::RtcRejected));
        return;
    }
    c.inRtc = true;
    c.rtcChannel = channel;
    c.uid = uid;
    c.secret = frame.text(2);
    c.mode = frame.text(3);
    members[uid] = &c;
    send(c, RelayFrame(RelayKind::RtcJoined).addNumber(uid));
    for (Connection *other : hearers(c)) {
        send(*other, RelayFrame(RelayKind::RtcUserJoined).addNumber(uid));
        send(c, RelayFrame(RelayKind::RtcUserJoined).addNumber(other->uid));
    }
}

void RelayServer::rtcLeave(Connection &c, int reason)
{
    if (!c.inRtc)
        return;
    for (Connection *other : hearers(c))
        send(*other, RelayFrame(RelayKind::RtcUserOffline).addNumber(c.uid).addNumber(reason));
    auto it = mRtcChannels.find(c.rtcChannel);
    if (it != mRtcChannels.end()) {
        it->second.erase(c.uid);
        if (it->second.empty())
            mRtcChannels.erase(it);
    }
    c.inRtc = false;
}
