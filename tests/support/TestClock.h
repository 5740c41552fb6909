#pragma once

#include "utils/TimeUtils.h"

// Fixes the product's clock at an instant for the lifetime of the object.
class TestClock
{
public:
    explicit TestClock(qint64 millis) { set(millis); }
    ~TestClock() { setTestClockMillis(0); }
    TestClock(const TestClock &) = delete;
    TestClock &operator=(const TestClock &) = delete;

    void set(qint64 millis)
    {
        m_now = millis;
        setTestClockMillis(m_now);
    }
    void advance(qint64 millis) { set(m_now + millis); }
    qint64 now() const { return m_now; }

private:
    qint64 m_now = 0;
};
