#include "modules/live/draws/TQStudentWritingManager.h"

#include "actions/TQDrawingAction.h"
#include "actions/drawing/TQDrawActionDrawCircle.h"
#include "actions/drawing/TQDrawingActionLine.h"
#include "actions/drawing/TQDrawingActionSave.h"
#include "modules/live/bean/CParticipantBean.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"
#include "utils/TimeUtils.h"

#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLineCode = 0;
constexpr int kCircleCode = 1;
constexpr int kSaveCode = 2;
constexpr int kToastType = 301;
constexpr int kToastMs = 3000;
const char *const kTag = "TQStudentWritingManager";

CParticipantBean *participantOf(int userId)
{
    CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse;
    return course ? course->getParticipant(userId) : nullptr;
}

bool byDrawingIndex(const TQDrawingAction *a, const TQDrawingAction *b)
{
    return a->drawingIndex < b->drawingIndex;
}

} // namespace

TQStudentWritingManager::TQStudentWritingManager(QObject *parent)
    : QObject(parent)
    , pointerTimer(std::make_unique<QBasicTimer>())
{
}

TQStudentWritingManager::~TQStudentWritingManager() = default;

void TQStudentWritingManager::setDrawManager(TQDrawManager *manager)
{
    drawManager = manager;
}

void TQStudentWritingManager::setStudentWritingEnabled(bool enable, int userId)
{
    if (enable) {
        if (!findBuffer(userId))
            buffers.emplace_back(userId);
        return;
    }
    buffers.erase(std::remove_if(buffers.begin(), buffers.end(),
                                 [userId](const TQStudentWritingBuffer &b) { return b.userId == userId; }),
                  buffers.end());
}

void TQStudentWritingManager::resetStudentWritingBuffer(int userId)
{
    if (userId <= 0) {
        for (TQStudentWritingBuffer &b : buffers)
            b.reset();
        return;
    }
    if (TQStudentWritingBuffer *b = findBuffer(userId))
        b->reset();
}

bool TQStudentWritingManager::isWritingBufferNeedReset(const TQAction *, int) const
{
    return false;
}

const TQStudentWritingBuffer *TQStudentWritingManager::buffer(int userId) const
{
    for (const TQStudentWritingBuffer &b : buffers) {
        if (b.userId == userId)
            return &b;
    }
    return nullptr;
}

TQStudentWritingBuffer *TQStudentWritingManager::findBuffer(int userId)
{
    return const_cast<TQStudentWritingBuffer *>(buffer(userId));
}

void TQStudentWritingManager::addStudentWriting(TQAction *received, int userId)
{
    auto *action = dynamic_cast<TQDrawingAction *>(received);
    TQStudentWritingBuffer *b = action ? findBuffer(userId) : nullptr;
    if (!b) {
        delete received;
        return;
    }
    const int index = action->drawingIndex;
    const int last = b->lastWritingIndex;
    if (index <= last) {
        // Released or given up already.
        delete action;
    } else {
        const bool duplicate = std::any_of(b->pending.begin(), b->pending.end(),
                                           [index](const TQDrawingAction *p) { return p->drawingIndex == index; });
        if (duplicate) {
            delete action;
            return;
        }
        markReceived(action, userId);
        b->pending.push_back(action);
        const size_t n = b->pending.size();
        if (n > 1 && b->pending[n - 1]->drawingIndex < b->pending[n - 2]->drawingIndex)
            std::stable_sort(b->pending.begin(), b->pending.end(), byDrawingIndex);
    }
    CLog::log(QStringLiteral("user %1, add writing %2,%3").arg(userId).arg(index).arg(last), kTag);
    sendStudentDrawingActions(userId);
}

void TQStudentWritingManager::markReceived(TQDrawingAction *action, int userId) const
{
    action->publish = true;
    action->senderId = userId;
    action->receivedAt = currentTimeMillis();
    CParticipantBean *participant = participantOf(userId);
    if (!participant)
        return;
    // The student's element ids name the student's own elements; on the
    // teacher's board they must not meet the teacher's.
    switch (action->type) {
    case kLineCode: {
        auto *line = static_cast<TQDrawingActionLine *>(action);
        line->strokeId = participant->mapStudentElementId(line->strokeId);
        break;
    }
    case kCircleCode: {
        auto *circle = static_cast<TQDrawActionDrawCircle *>(action);
        circle->elementId = participant->mapStudentElementId(circle->elementId);
        break;
    }
    case kSaveCode: {
        auto *save = static_cast<TQDrawingActionSave *>(action);
        save->strokeId = participant->mapStudentElementId(save->strokeId);
        save->senderId = LoginManager::getUserID().toInt();
        break;
    }
    default:
        break;
    }
}

void TQStudentWritingManager::sendStudentDrawingActions(int userId)
{
    TQStudentWritingBuffer *b = findBuffer(userId);
    if (!b || b->pending.empty())
        return;
    const qint64 now = currentTimeMillis();
    std::vector<TQDrawingAction *> waiting;
    for (TQDrawingAction *entry : b->pending) {
        const int index = entry->drawingIndex;
        const bool late = now - entry->receivedAt >= kGapWaitMs;
        if (!late && index != b->lastWritingIndex + 1) {
            waiting.push_back(entry);
            continue;
        }
        // Whatever still waits below a released index can never come in
        // order any more: it is given up with the gap, so the released index
        // only ever grows.
        for (TQDrawingAction *skipped : waiting)
            delete skipped;
        waiting.clear();
        if (index != b->lastWritingIndex + 1)
            CLog::error(QStringLiteral("writing lost %1-%2").arg(b->lastWritingIndex).arg(index), kTag);
        b->lostCount += index - b->lastWritingIndex - 1;
        b->lastWritingIndex = index;
        if (late)
            delete entry; // drawn this late it would only confuse
        else
            apply(entry);
    }
    b->pending = std::move(waiting);

    if (b->lostCount > kLossesForToast) {
        toastLosses(*b, now);
        b->lostCount = 0;
    }
    if (b->lastWritingIndex > 0 && b->lastWritingIndex % 100 == 0)
        b->lostCount = 0;
}

void TQStudentWritingManager::sendAllStudentDrawingActions()
{
    std::vector<int> ids;
    for (const TQStudentWritingBuffer &b : buffers)
        ids.push_back(b.userId);
    for (int id : ids)
        sendStudentDrawingActions(id);
}

void TQStudentWritingManager::toastLosses(TQStudentWritingBuffer &b, qint64 now) const
{
    if (now - b.lastToastTime <= kToastIntervalMs)
        return;
    QString name = QStringLiteral("学生");
    if (CParticipantBean *participant = participantOf(b.userId)) {
        const std::string shown = participant->getDisplayName();
        if (!participant->remarkName.empty() || !participant->userBriefInfo.userNickName.empty())
            name = QString::fromStdString(shown);
    }
    if (drawManager && drawManager->dataSource())
        drawManager->dataSource()->showToast(QStringLiteral("网络问题，%1 的部分书写没有传过来").arg(name), kToastType,
                                             kToastMs);
    b.lastToastTime = now;
}

void TQStudentWritingManager::apply(TQDrawingAction *action)
{
    if (!drawManager) {
        delete action;
        return;
    }
    if (action->type == kLineCode) {
        auto *line = static_cast<TQDrawingActionLine *>(action);
        const QSize canvas = drawManager->canvasSize();
        const int top = drawManager->topOffset();
        const int width = std::max(1, line->canvasWidth);
        const double converted = double(line->topOffset) * canvas.width() / width;
        // Written where the teacher looks already: no scroll for a rounding.
        if (std::fabs(converted - top) < 0.001 * (canvas.height() + top) && canvas.width() > 0)
            line->topOffset = int(std::lround(double(top) * width / canvas.width()));
        line->noAdjust = 1;
    } else if (action->type == kSaveCode && !pointerTimer->isActive()) {
        pointerTimer->start(kPointerHideMs, this);
    }
    drawManager->queueAction(action);
}

void TQStudentWritingManager::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != pointerTimer->timerId()) {
        QObject::timerEvent(event);
        return;
    }
    pointerTimer->stop();
    if (drawManager)
        drawManager->showPointer(false, 0, 0, 0, 0, QPoint());
}
