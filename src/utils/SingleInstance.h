#pragma once

#include <QString>

// Takes the program's single-instance lock, named by the key "Veltro": an
// exclusive flock() on a file in the user's runtime folder. The kernel drops
// the lock when the process ends in any way, so a crashed or killed first copy
// never blocks the next start. Returns true when this process now holds it
// (also on every later call); false when another copy holds it or the lock
// cannot be taken at all.
bool checkSingleInstance();

// The file that carries the lock.
QString singleInstanceLockPath();
