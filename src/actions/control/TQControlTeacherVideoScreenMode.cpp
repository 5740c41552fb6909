#include "actions/control/TQControlTeacherVideoScreenMode.h"

namespace {

using Record = TQControlTeacherVideoScreenMode;

const TQIntElement<Record> kElements[] = {intLiteral<Record>(-1), {&Record::type, false}, {&Record::mScreenMode}};

} // namespace

TQControlTeacherVideoScreenMode::TQControlTeacherVideoScreenMode(int screenMode)
    : mScreenMode(screenMode)
{
}

TQIntLayout<TQControlTeacherVideoScreenMode> TQControlTeacherVideoScreenMode::textLayout()
{
    return kElements;
}

TQControlTeacherVideoScreenMode *TQControlTeacherVideoScreenMode::teacherVideoScreenModeFromString(std::string text)
{
    return parse(text, 1, 2);
}
