#pragma once

#include "modules/live/userlist/TQAgoraVideoWidget.h"
#include "utils/CLog.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <mutex>

// The remote video renderer over either SDK: both renderer interfaces have
// one shape, so the view handling lives here once. Traits name the SDK's
// types, the class's name for the logs, and which of the widget's deliveries
// takes the SDK's frame.
//
// The SDK makes a renderer on whatever thread binds a view and delivers
// frames on its render thread. The renderer moves itself to the GUI thread,
// whose event loop runs the view's notices (invalidated, resized); viewMutex
// keeps a frame from reaching a view that has invalidated itself.
template <class Traits>
class TQVideoRenderSdk : public QObject, public Traits::Render
{
public:
    using Frame = typename Traits::Frame;
    using Context = typename Traits::Context;
    using Callback = typename Traits::Callback;

    explicit TQVideoRenderSdk(const Context &context)
        : view(qobject_cast<TQAgoraVideoWidget *>(static_cast<QObject *>(context.view)))
        , renderCallback(context.renderCallback)
    {
        const QString tag = QStringLiteral("%1::%1 ").arg(QLatin1String(Traits::kName));
        CLog::debug(QString::asprintf("context view: %p", context.view), tag);
        if (QCoreApplication *app = QCoreApplication::instance())
            moveToThread(app->thread());
        if (!view) {
            CLog::error(QStringLiteral("get error view"), tag);
            return;
        }
        view->setupRenderer(context.zOrder, context.left, context.top, context.right, context.bottom);
        connect(view, &TQAgoraVideoWidget::widgetInvalidated, this, &TQVideoRenderSdk::handleWidgetInvalidated);
        connect(view, &TQAgoraVideoWidget::viewSizeChanged, this, &TQVideoRenderSdk::handleViewSizeChanged);
    }

    // The SDK is done with the renderer. Off the GUI thread the object goes
    // later, and forgets its view and the SDK's callback now, so that no
    // notice of the view reaches the SDK after this.
    void release() override
    {
        if (QThread::currentThread() == thread()) {
            delete this;
            return;
        }
        {
            std::lock_guard<std::mutex> lock(viewMutex);
            view = nullptr;
            renderCallback = nullptr;
        }
        deleteLater();
    }

    int initialize() override { return 0; }

    int deliverFrame(const Frame &frame, int rotation, bool mirrored) override
    {
        std::lock_guard<std::mutex> lock(viewMutex);
        return view ? Traits::deliver(view, frame, rotation, mirrored) : -1;
    }

    void handleWidgetInvalidated()
    {
        Callback *callback = nullptr;
        {
            std::lock_guard<std::mutex> lock(viewMutex);
            // Told once, however often the widget cleans up.
            if (view)
                callback = renderCallback;
            view = nullptr;
        }
        if (callback)
            callback->onViewDestroyed();
    }

    void handleViewSizeChanged(int width, int height)
    {
        Callback *callback = nullptr;
        {
            std::lock_guard<std::mutex> lock(viewMutex);
            callback = renderCallback;
        }
        if (callback)
            callback->onViewSizeChanged(width, height);
    }

protected:
    ~TQVideoRenderSdk() override = default;

    TQAgoraVideoWidget *view; // not owned
    Callback *renderCallback;
    std::mutex viewMutex;
};
