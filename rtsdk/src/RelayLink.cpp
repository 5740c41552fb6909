#include "RelayLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace rtsdk {

namespace {
const int kWriteTimeoutS = 3;
}

RelayLink::RelayLink(RelayConfig config, RelayLinkOwner *owner)
    : mConfig(std::move(config))
    , mOwner(owner)
{
}

RelayLink::~RelayLink()
{
    stop();
}

void RelayLink::start()
{
    mThread = std::thread([this] { run(); });
}

void RelayLink::stopSoon()
{
    mStop = true;
    {
        std::lock_guard<std::mutex> lock(mWriteMutex);
        // Wakes the reader; the socket is closed by the reader itself.
        if (mFd >= 0)
            ::shutdown(mFd, SHUT_RDWR);
    }
    std::lock_guard<std::mutex> lock(mWaitMutex);
    mWake.notify_all();
}

void RelayLink::stop()
{
    stopSoon();
    if (mThread.joinable() && !onLinkThread())
        mThread.join();
}

int RelayLink::connectOnce() const
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(mConfig.port));
    inet_pton(AF_INET, mConfig.host.c_str(), &address.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    timeval timeout {};
    timeout.tv_sec = kWriteTimeoutS;
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    return fd;
}

void RelayLink::run()
{
    while (!mStop) {
        const int fd = connectOnce();
        if (fd >= 0) {
            {
                std::lock_guard<std::mutex> lock(mWriteMutex);
                mFd = fd;
            }
            if (mStop) {
                closeSocket();
                break;
            }
            mOwner->linkUp();
            readLoop(fd);
            closeSocket();
        }
        if (mStop)
            break;
        mOwner->linkDown();
        std::unique_lock<std::mutex> lock(mWaitMutex);
        mWake.wait_for(lock, std::chrono::milliseconds(kRetryMs), [this] { return mStop.load(); });
    }
}

void RelayLink::readLoop(int fd)
{
    RelayFrameReader reader;
    char buffer[65536];
    while (!mStop) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return;
        reader.feed(buffer, size_t(got));
        RelayFrame frame;
        RelayFrameReader::Result result;
        while ((result = reader.next(&frame)) == RelayFrameReader::Result::Frame && !mStop)
            mOwner->linkFrame(frame);
        // A relay that sends garbage is treated as one that went away.
        if (result == RelayFrameReader::Result::Refused)
            return;
    }
}

void RelayLink::closeSocket()
{
    std::lock_guard<std::mutex> lock(mWriteMutex);
    if (mFd >= 0)
        ::close(mFd);
    mFd = -1;
}

bool RelayLink::send(const RelayFrame &frame)
{
    const std::string bytes = frame.encode();
    std::lock_guard<std::mutex> lock(mWriteMutex);
    if (mFd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::send(mFd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            // A half-written frame would garble the stream: end the
            // connection, and the reader reconnects.
            ::shutdown(mFd, SHUT_RDWR);
            return false;
        }
        done += size_t(wrote);
    }
    return true;
}

} // namespace rtsdk
