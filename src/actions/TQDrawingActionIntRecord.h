#pragma once

#include "actions/TQDrawingActionCopyable.h"
#include "actions/TQIntRecordAction.h"

// Drawing actions whose text is a plain list of numbers.
template <class Derived, int Code>
using TQDrawingActionIntRecord = TQIntRecordAction<Derived, TQDrawingActionCopyable<Derived>, Code>;
