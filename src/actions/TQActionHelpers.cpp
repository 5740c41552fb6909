#include "actions/TQActionHelpers.h"

#include "actions/TQActionFields.h"
#include "utils/TimeUtils.h"

#include <atomic>

namespace {

constexpr int kSequenceModulus = 1000000000;

// 0 means "not seeded yet": a seeded counter is never 0.
std::atomic<int> &sequenceCounter()
{
    static std::atomic<int> counter{0};
    return counter;
}

int advanceSequence(int counter)
{
    const int next = (counter + 1) % kSequenceModulus;
    return next == 0 ? 1 : next;
}

} // namespace

int findNonNumericField(const QStringList &elements, int from, int to)
{
    return TQActionFields::checkRange(elements.size(), from, to, [&elements](int i) {
        return TQActionFields::isInt32(elements.at(i).toUtf8().toStdString());
    });
}

QString joinWithUnderscore(const std::vector<std::string> &parts)
{
    QString joined;
    for (const std::string &part : parts) {
        joined += QString::fromStdString(part);
        joined += QLatin1Char('_');
    }
    joined.chop(1);
    return joined;
}

int nextSequenceNumber(bool inRange)
{
    std::atomic<int> &counter = sequenceCounter();
    int current = counter.load();
    if (current == 0) {
        const int seed = static_cast<int>(currentTimeMillis() % kSequenceModulus);
        // A seed of 0 would read as "not seeded"; it advances to 1 below anyway.
        counter.compare_exchange_strong(current, seed == 0 ? kSequenceModulus - 1 : seed);
        current = counter.load();
    }
    int next = advanceSequence(current);
    while (!counter.compare_exchange_weak(current, next))
        next = advanceSequence(current);
    return inRange ? next : next + kSequenceModulus;
}

void setSequenceCounterForTest(int counter)
{
    sequenceCounter().store(counter % kSequenceModulus);
}

qint64 secondsSinceReferenceDate()
{
    return secsSinceReferenceDate();
}
