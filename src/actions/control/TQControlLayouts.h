#pragma once

#include "actions/control/TQControlIntRecord.h"

// The text shapes the plain classroom commands and notices share. Element 0
// is "-1", or "0" in the notices a student's client sends about itself.

// "[-1,code,target]"
TQIntLayout<TQControlAction> controlTargetLayout();
// "[-1,code,0]"
TQIntLayout<TQControlAction> controlZeroLayout();
// "[-1,code,target,1]"
TQIntLayout<TQControlAction> controlTargetOneLayout();
// "[0,code,0]"
TQIntLayout<TQControlAction> studentNoticeLayout();
// "[0,code,0]", element 2 read back as the target
TQIntLayout<TQControlAction> studentNoticeTargetLayout();
