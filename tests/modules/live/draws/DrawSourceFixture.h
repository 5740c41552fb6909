#pragma once

#include "actions/TQDrawingAction.h"
#include "modules/live/bean/CourseDetailBean.h"
#include "modules/live/bean/MaterialDetailBean.h"
#include "modules/live/bean/TQDataModelBean.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawingElement.h"
#include "modules/live/takepicture/TQTakePictureLayout.h"

#include <QJsonObject>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

// An in-memory current course for the live draw data source: material 501
// with three pages (page 0 current, its image element tagged 7001) and
// material 502, still the blank placeholder. Installed as the process-wide
// current course while alive.
class CourseInMemory
{
public:
    CourseInMemory()
        : course(new CourseDetailBean(QJsonObject()))
    {
        auto *first = new MaterialDetailBean;
        first->materialId = 501;
        first->materialFileProcessState = 4;
        for (int i = 0; i < 3; ++i) {
            first->mFileItems.emplace_back();
            first->mFileItems.back().fileUrl = "http://127.0.0.1/course/page" + std::to_string(i + 1) + ".png";
        }
        first->changeOngoingPage(0);
        first->m_pOngoingPage->resetDrawings(7001);
        auto *second = new MaterialDetailBean;
        second->materialId = 502;
        second->initWithBlankPages();
        course->course_materials << first << second;
        course->m_pOngoingMaterial = first;
        TQDataModelBean::m_pOngoingCourse = course.get();
    }
    ~CourseInMemory() { TQDataModelBean::m_pOngoingCourse = nullptr; }
    CourseInMemory(const CourseInMemory &) = delete;
    CourseInMemory &operator=(const CourseInMemory &) = delete;

    MaterialDetailBean *material() const { return course->m_pOngoingMaterial; }
    FileBean *page() const { return material()->m_pOngoingPage; }

    std::unique_ptr<CourseDetailBean> course;
};

// Every service around the board, recording what reaches it.
class FakeClassServices : public TQBroadCastDrawDataSourceInterface::RealTimeManager,
                          public TQBroadCastDrawDataSourceInterface::BinaryDownloadManager,
                          public TQBroadCastDrawDataSourceInterface::BinaryTransporterManager,
                          public TQBroadCastDrawDataSourceInterface::DrawLayout,
                          public TQBroadCastDrawDataSourceInterface::DrawManager,
                          public TQBroadCastDrawDataSourceInterface::Activity,
                          public TQBroadCastDrawDataSourceInterface::MethodService
{
public:
    FakeClassServices()
    {
        context.downloadManager = this;
        context.realTimeManager = this;
        context.transporter = this;
    }
    ~FakeClassServices() override
    {
        for (TQDrawingAction *a : sentActions)
            delete a;
    }

    // As the real-time manager does, a copy also takes the next place in the
    // current course's drawing history, so the board's snapshot ids grow.
    void addDrawingAction(TQDrawingAction *action) override
    {
        if (CourseDetailBean *course = TQDataModelBean::m_pOngoingCourse) {
            action->drawingIndex = course->getDrawingActionCount();
            course->addDrawingAction(action->clone(), -1);
        }
        sentActions.push_back(action);
    }
    void pauseDrawingSending(int seconds) override { calls << QStringLiteral("pause %1").arg(seconds); }
    bool downloadUrl(const QString &url) override
    {
        calls << "download " + url;
        return true;
    }
    bool isUrlTransported(const std::string &url) override { return url == "sent"; }
    void sendImageFileForUrl(const std::string &url, int value, int receiver, bool first, bool second) override
    {
        calls << QStringLiteral("send image %1 %2 %3 %4 %5")
                     .arg(QString::fromStdString(url)).arg(value).arg(receiver).arg(first).arg(second);
    }
    void setDrawingEnabled(bool enabled, const std::string &hint) override
    {
        calls << QStringLiteral("drawing %1 %2").arg(enabled).arg(QString::fromStdString(hint));
    }
    void notifyPageTurnState(bool turning) override { calls << QStringLiteral("turn state %1").arg(turning); }
    void showWaitingShade(bool show, int tag, const std::string &text, int ms) override
    {
        calls << QStringLiteral("shade %1 %2 %3 %4").arg(show).arg(tag).arg(QString::fromStdString(text)).arg(ms);
    }
    void startTurnPageTimer() override { calls << "turn timer"; }
    void commitPendingTurnPage() override { calls << "commit turn"; }
    QWidget *widget() override { return nullptr; }
    DrawLayout *getDrawLayout() override { return this; }
    TQTakePictureLayout *takePictureLayout() override { return &photoLayout; }
    void uploadImageFile(const QString &path, int kind, int value) override
    {
        calls << QStringLiteral("upload %1 %2 %3").arg(path).arg(kind).arg(value);
    }
    void enableBackForwardButton(bool canUndo, bool canRedo) override
    {
        calls << QStringLiteral("undo %1 redo %2").arg(canUndo).arg(canRedo);
    }
    void updateTopOffset(int y) override { calls << QStringLiteral("top %1").arg(y); }
    void handleDrawLayoutTurnPage(int a, int b) override { calls << QStringLiteral("turned %1 %2").arg(a).arg(b); }
    bool suspendAllStudentWriting(int reason) override
    {
        calls << QStringLiteral("suspend %1").arg(reason);
        return studentsWriting;
    }
    void restoreStudentWriting() override { calls << "restore"; }
    Activity *getActivity() override { return this; }
    DrawManager *getDrawManager() override { return this; }

    // Wires `source` to these services.
    void attach(TQBroadCastDrawDataSourceInterface &source)
    {
        source.setMethodService(this);
        source.setContext(&context);
    }

    TQBroadCastDrawDataSourceInterface::Context context;
    TQTakePictureLayout photoLayout;
    bool studentsWriting = false;
    QStringList calls;
    std::vector<TQDrawingAction *> sentActions;
};

inline TQDrawingElement *element(int tag, const QString &url = QString(), int x = 0)
{
    auto *e = new TQDrawingElement(tag);
    e->url = url;
    e->x = x;
    return e;
}
