#include "actions/control/TQControlLayouts.h"

namespace {

using Element = TQIntElement<TQControlAction>;

const Element kType{&TQControlAction::type, false};
const Element kTarget{&TQControlAction::targetUserId};

} // namespace

TQIntLayout<TQControlAction> controlTargetLayout()
{
    static const Element elements[] = {intLiteral<TQControlAction>(-1), kType, kTarget};
    return elements;
}

TQIntLayout<TQControlAction> controlZeroLayout()
{
    static const Element elements[] = {intLiteral<TQControlAction>(-1), kType, intLiteral<TQControlAction>(0)};
    return elements;
}

TQIntLayout<TQControlAction> controlTargetOneLayout()
{
    static const Element elements[] = {intLiteral<TQControlAction>(-1), kType, kTarget,
                                       intLiteral<TQControlAction>(1)};
    return elements;
}

TQIntLayout<TQControlAction> studentNoticeLayout()
{
    static const Element elements[] = {intLiteral<TQControlAction>(0), kType, intLiteral<TQControlAction>(0)};
    return elements;
}

TQIntLayout<TQControlAction> studentNoticeTargetLayout()
{
    static const Element elements[] = {intLiteral<TQControlAction>(0), kType,
                                       intLiteralReadInto<TQControlAction>(0, &TQControlAction::targetUserId)};
    return elements;
}
