#include "actions/TQActionParsers.h"

#include "actions/control/TQControlAnswerMachineAnswer.h"
#include "actions/control/TQControlBulkMessage.h"
#include "actions/control/TQControlClearAll.h"
#include "actions/control/TQControlDisableWriting.h"
#include "actions/control/TQControlEnableWriting.h"
#include "actions/control/TQControlEndOnsiteWork.h"
#include "actions/control/TQControlGradeOnsiteHomework.h"
#include "actions/control/TQControlMuteAll.h"
#include "actions/control/TQControlMuteVideo.h"
#include "actions/control/TQControlRaiseHand.h"
#include "actions/control/TQControlRandomSelectExit.h"
#include "actions/control/TQControlRandomSelectIDsAndRolls.h"
#include "actions/control/TQControlRandomSelectPick.h"
#include "actions/control/TQControlRandomSelectSetUp.h"
#include "actions/control/TQControlRedoOnsiteHomework.h"
#include "actions/control/TQControlReloadHomeworkImage.h"
#include "actions/control/TQControlRequestBulkData.h"
#include "actions/control/TQControlSendMedal.h"
#include "actions/control/TQControlSilence.h"
#include "actions/control/TQControlStartOnsiteWork.h"
#include "actions/control/TQControlStudentEnterBackground.h"
#include "actions/control/TQControlStudentEnterForeground.h"
#include "actions/control/TQControlStudentJoinClass.h"
#include "actions/control/TQControlStudentLeaveClass.h"
#include "actions/control/TQControlStudentOffStage.h"
#include "actions/control/TQControlStudentOnStage.h"
#include "actions/control/TQControlStudentPermissionInfo.h"
#include "actions/control/TQControlTeacherOffStage.h"
#include "actions/control/TQControlTeacherOnStage.h"
#include "actions/control/TQControlTeacherVideoScreenMode.h"
#include "actions/control/TQControlUnMuteAll.h"
#include "actions/control/TQControlUnSilence.h"
#include "actions/control/TQControlUnmuteVideo.h"
#include "actions/drawing/TQDrawActionCutImagePortion.h"
#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawActionDrawImage.h"
#include "actions/drawing/TQDrawActionEraseBlackBoard.h"
#include "actions/drawing/TQDrawingActionCleanPage.h"
#include "actions/drawing/TQDrawingActionDrawText.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionMoveUpDown.h"
#include "actions/drawing/TQDrawingActionNone.h"
#include "actions/drawing/TQDrawingActionRestore.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "actions/drawing/TQDrawingActionSelectMaterial.h"
#include "actions/drawing/TQDrawingActionTurnPage.h"
#include "actions/status/TQPPTPlayStatus.h"
#include "actions/status/TQSessionStatus.h"
#include "actions/status/TQStatusActionCameraVideo.h"
#include "actions/status/TQStatusFallback.h"
#include "actions/status/TQStatusUserResponse.h"
#include "actions/status/TQVideoCardStatus.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// A class's own parser seen as a parser of actions.
template <class Action, Action *(*Parse)(std::string)>
TQAction *parseAs(std::string_view text)
{
    return Parse(std::string(text));
}

// The same for a parser that reads the text in place.
template <class Action, Action *(*Parse)(std::string_view)>
TQAction *parseInPlaceAs(std::string_view text)
{
    return Parse(text);
}

struct ParserEntry
{
    int code;
    TQActionParser parse;
};

// Sorted by code.
const ParserEntry kParsers[] = {
    // Most of what arrives: read without a copy.
    {0, &parseInPlaceAs<TQDrawingActionLine, &TQDrawingActionLine::lineFromText>},
    {1, &parseAs<TQDrawActionDrawCircle, &TQDrawActionDrawCircle::drawCircleFromString>},
    {2, &parseAs<TQDrawingActionSave, &TQDrawingActionSave::saveFromString>},
    {3, &parseAs<TQDrawingActionRestore, &TQDrawingActionRestore::restoreFromString>},
    {4, &parseAs<TQDrawingActionTurnPage, &TQDrawingActionTurnPage::turnPageFromString>},
    {5, &parseAs<TQDrawingActionMoveUpDown, &TQDrawingActionMoveUpDown::moveUpDownFromString>},
    {6, &parseAs<TQDrawingActionSelectMaterial, &TQDrawingActionSelectMaterial::selectMaterialFromString>},
    {8, &parseAs<TQDrawingActionCleanPage, &TQDrawingActionCleanPage::cleanPageFromString>},
    {9, &parseAs<TQDrawingActionNone, &TQDrawingActionNone::noneFromString>},
    {10, &parseAs<TQDrawActionDrawImage, &TQDrawActionDrawImage::drawImageFromString>},
    {11, &parseAs<TQDrawActionCutImagePortion, &TQDrawActionCutImagePortion::cutImagePortionFromString>},
    {12, &parseAs<TQDrawActionEraseBlackBoard, &TQDrawActionEraseBlackBoard::eraseBlackBoardFromString>},
    {14, &parseAs<TQDrawingActionDrawText, &TQDrawingActionDrawText::drawTextFromString>},
    {101, &parseAs<TQControlSilence, &TQControlSilence::silenceFromString>},
    {102, &parseAs<TQControlUnSilence, &TQControlUnSilence::unSilenceFromString>},
    {103, &parseAs<TQControlMuteVideo, &TQControlMuteVideo::muteVideoFromString>},
    {104, &parseAs<TQControlUnmuteVideo, &TQControlUnmuteVideo::unmuteVideoFromString>},
    {105, &parseAs<TQControlEnableWriting, &TQControlEnableWriting::enableWritingFromString>},
    {106, &parseAs<TQControlDisableWriting, &TQControlDisableWriting::disableWritingFromString>},
    {107, &parseAs<TQControlRequestBulkData, &TQControlRequestBulkData::requestBulkDataFromString>},
    {108, &parseAs<TQControlBulkMessage, &TQControlBulkMessage::bulkMessageFromString>},
    {109, &parseAs<TQSessionStatus, &TQSessionStatus::classStatusFromString>},
    {110, &parseAs<TQControlRaiseHand, &TQControlRaiseHand::raiseHandFromString>},
    {111, &parseAs<TQControlStudentOnStage, &TQControlStudentOnStage::studentOnStageFromString>},
    {112, &parseAs<TQControlStartOnsiteWork, &TQControlStartOnsiteWork::startOnsiteWorkFromString>},
    {113, &parseAs<TQControlEndOnsiteWork, &TQControlEndOnsiteWork::endOnsiteWorkFromString>},
    {116, &parseAs<TQControlAnswerMachineAnswer, &TQControlAnswerMachineAnswer::answerMachineAnswerFromString>},
    {117, &parseAs<TQControlSendMedal, &TQControlSendMedal::sendMedalFromString>},
    {119, &parseAs<TQControlClearAll, &TQControlClearAll::clearAllFromString>},
    {121, &parseAs<TQControlStudentOffStage, &TQControlStudentOffStage::studentOffStageFromString>},
    {122, &parseAs<TQControlRandomSelectSetUp, &TQControlRandomSelectSetUp::randomSelectSetUpFromString>},
    {123, &parseAs<TQControlRandomSelectIDsAndRolls,
                   &TQControlRandomSelectIDsAndRolls::randomSelectIDsAndRollsFromString>},
    {124, &parseAs<TQControlRandomSelectPick, &TQControlRandomSelectPick::randomSelectPickFromString>},
    {125, &parseAs<TQControlRandomSelectExit, &TQControlRandomSelectExit::randomSelectExitFromString>},
    {127, &parseAs<TQControlStudentJoinClass, &TQControlStudentJoinClass::joinClassFromString>},
    {128, &parseAs<TQControlStudentLeaveClass, &TQControlStudentLeaveClass::leaveClassFromString>},
    {147, &parseAs<TQControlMuteAll, &TQControlMuteAll::muteAllFromString>},
    {148, &parseAs<TQControlUnMuteAll, &TQControlUnMuteAll::unMuteAllFromString>},
    {149, &parseAs<TQControlRedoOnsiteHomework, &TQControlRedoOnsiteHomework::redoOnsiteHomeworkFromString>},
    {150, &parseAs<TQControlGradeOnsiteHomework, &TQControlGradeOnsiteHomework::gradeOnsiteHomeworkFromString>},
    {151, &parseAs<TQControlReloadHomeworkImage, &TQControlReloadHomeworkImage::reloadHomeworkImageFromString>},
    {152, &parseAs<TQControlStudentEnterBackground, &TQControlStudentEnterBackground::enterBackgroundFromString>},
    {153, &parseAs<TQControlStudentEnterForeground, &TQControlStudentEnterForeground::enterForegroundFromString>},
    {154, &parseAs<TQControlTeacherOnStage, &TQControlTeacherOnStage::teacherOnStageFromString>},
    {155, &parseAs<TQControlTeacherOffStage, &TQControlTeacherOffStage::teacherOffStageFromString>},
    {156, &parseAs<TQControlStudentPermissionInfo,
                   &TQControlStudentPermissionInfo::studentPermissionInfoFromString>},
    {157, &parseAs<TQStatusUserResponse, &TQStatusUserResponse::userResponseFromString>},
    {158, &parseAs<TQControlTeacherVideoScreenMode,
                   &TQControlTeacherVideoScreenMode::teacherVideoScreenModeFromString>},
    {159, &parseAs<TQStatusFallback, &TQStatusFallback::fallbackFromString>},
    {164, &parseAs<TQVideoCardStatus, &TQVideoCardStatus::videoCardStatusFromString>},
    {165, &parseAs<TQPPTPlayStatus, &TQPPTPlayStatus::pptPlayStatusFromString>},
    {166, &parseAs<TQStatusActionCameraVideo, &TQStatusActionCameraVideo::cameraVideoFromString>},
};

} // namespace

TQActionParser actionParserForCode(int code)
{
    const auto it = std::lower_bound(std::begin(kParsers), std::end(kParsers), code,
                                     [](const ParserEntry &entry, int wanted) { return entry.code < wanted; });
    return (it != std::end(kParsers) && it->code == code) ? it->parse : nullptr;
}
