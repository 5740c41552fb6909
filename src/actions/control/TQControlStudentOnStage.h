#pragma once

#include "actions/control/TQControlLayouts.h"
#include "utils/CLog.h"

// A student goes on stage (code 111); sent to everybody.
class TQControlStudentOnStage : public TQControlIntRecord<TQControlStudentOnStage, 111>
{
public:
    static TQIntLayout<TQControlAction> textLayout() { return controlTargetLayout(); }

    // Logs the text it is given; null for fewer than 3 elements or a non-numeric element 1-2.
    static TQControlStudentOnStage *studentOnStageFromString(std::string text)
    {
        CLog::log(QStringLiteral("get onstage command %1").arg(QString::fromStdString(text)),
                  QStringLiteral("TQControlStudentOnStage::studentOnStageFromString "));
        return parse(text, 1, 2);
    }
};
