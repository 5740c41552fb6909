#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Small functions the whole action family shares.

// Checks elements from..to (both included) for base-10 32-bit integers.
// -1: all convert; n >= 0: the first position that does not; -2: from or to is
// not below the number of elements; -3: to is less than from. Parsers treat
// only a result of 0 or more as a failure.
int findNonNumericField(const QStringList &elements, int from, int to);

// The parts in order joined by "_"; "" for no parts.
QString joinWithUnderscore(const std::vector<std::string> &parts);

// Program-wide id counter for shapes, elements, strokes, homework, dialogs
// (inRange true) and participant records (inRange false, offset by
// 1,000,000,000 so the two ranges never meet). Seeded from the clock modulo
// 1,000,000,000 on the first call; never returns 0 for inRange true.
int nextSequenceNumber(bool inRange);

// Test seam: the counter's value as if the last call had returned it.
void setSequenceCounterForTest(int counter);

// Whole seconds since the reference date 2019-05-01 00:00 local time.
qint64 secondsSinceReferenceDate();
