#pragma once

#include "actions/TQControlAction.h"
#include "actions/TQIntRecordAction.h"

// Control actions whose text is a plain list of numbers.
template <class Derived, int Code>
using TQControlIntRecord = TQIntRecordAction<Derived, TQControlAction, Code>;
