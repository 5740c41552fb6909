#pragma once

#include "modules/live/draws/TQDrawDataSourceInterface.h"

class CourseDetailBean;
class FileBean;
class MaterialDetailBean;
class QWidget;
class TQTakePictureLayout;

// The live class's draw data source. It keeps no page state: every call reads
// the current course, its current material and that material's current page
// at that moment, so a change made elsewhere is seen by the next call.
//
// The services around the board are reached through the small interfaces
// below, which the live class's managers implement; the window sets the
// method service and the context after construction. Neither is owned.
//
// Elements and paths handed to the page become the page's: they are freed
// with the page and never when they only leave its visible lists, because
// undo snapshots may still hold them.
class TQBroadCastDrawDataSourceInterface : public TQDrawDataSourceInterface
{
public:
    // The drawing send of the real-time manager.
    class RealTimeManager
    {
    public:
        virtual ~RealTimeManager() = default;
        // Takes ownership of `action`.
        virtual void addDrawingAction(TQDrawingAction *action) = 0;
        virtual void pauseDrawingSending(int seconds) = 0;
    };

    class BinaryDownloadManager
    {
    public:
        virtual ~BinaryDownloadManager() = default;
        virtual bool downloadUrl(const QString &url) = 0;
    };

    class BinaryTransporterManager
    {
    public:
        virtual ~BinaryTransporterManager() = default;
        virtual bool isUrlTransported(const std::string &url) = 0;
        virtual void sendImageFileForUrl(const std::string &url, int value, int receiver, bool first, bool second) = 0;
    };

    // The window's board layout object.
    class DrawLayout
    {
    public:
        virtual ~DrawLayout() = default;
        virtual void setDrawingEnabled(bool enabled, const std::string &hint) = 0;
        virtual void notifyPageTurnState(bool turning) = 0;
    };

    // What a page turn needs of the draw manager.
    class DrawManager
    {
    public:
        virtual ~DrawManager() = default;
        virtual void showWaitingShade(bool show, int tag, const std::string &text, int milliseconds) = 0;
        virtual void startTurnPageTimer() = 0;
        virtual void commitPendingTurnPage() = 0;
    };

    // The live-class window.
    class Activity
    {
    public:
        virtual ~Activity() = default;
        // Parent of the board's toasts; may be null.
        virtual QWidget *widget() = 0;
        virtual DrawLayout *getDrawLayout() = 0;
        virtual TQTakePictureLayout *takePictureLayout() = 0;
        virtual void uploadImageFile(const QString &path, int kind, int value) = 0;
        virtual void enableBackForwardButton(bool canUndo, bool canRedo) = 0;
        // Moves the scroll bar and the window's top offset to a board top offset.
        virtual void updateTopOffset(int y) = 0;
        virtual void handleDrawLayoutTurnPage(int a, int b) = 0;
    };

    // The live class's student-control service.
    class MethodService
    {
    public:
        virtual ~MethodService() = default;
        virtual bool suspendAllStudentWriting(int reason) = 0;
        virtual void restoreStudentWriting() = 0;
        virtual Activity *getActivity() = 0;
        virtual DrawManager *getDrawManager() = 0;
    };

    // The live class's bundle of managers; every pointer may be null.
    struct Context
    {
        BinaryDownloadManager *downloadManager = nullptr;
        RealTimeManager *realTimeManager = nullptr;
        BinaryTransporterManager *transporter = nullptr;
        // Filled by the source from the window when a photo is shown.
        TQTakePictureLayout *photoLayout = nullptr;
    };

    // Reason given when a page turn withdraws the students' writing.
    static constexpr int kTurnPageSuspendReason = 11;
    static constexpr int kTurnPageShadeMs = 2000;

    TQBroadCastDrawDataSourceInterface() = default;
    ~TQBroadCastDrawDataSourceInterface() override;

    void setMethodService(MethodService *service) { methodService = service; }
    void setContext(Context *value) { context = value; }

    int getDrawingActionCount() override;
    bool downloadBinaryFile(QString url) override;
    void sendDrawingAction(TQDrawingAction *action) override;
    int getPageCount() override;
    void changeOngoingPage(int index) override;
    TQPreSendingImage *createPreSendingImage(int index) override;
    bool hasBinaryTransfer(std::string url) override;
    void raiseSendLevel(int seconds) override;
    bool changeOngoingMaterial(int materialId) override;
    bool isMaterialDetailLoaded(qint64 materialId) override;
    bool isFirstMaterialReady() override;
    int getPageTopOffset() override;
    void setPageTopOffset(int topOffset) override;
    void setPageCanvasSize(int width, int height) override;
    QSize getPageCanvasSize() override;
    QList<TQPath *> *getPagePaths() override;
    void addPagePath(TQPath *path) override;
    void clearPagePaths() override;
    void setPagePaths(QList<TQPath *> paths) override;
    TQDrawingAction *getDrawingActionAt(int index) override;
    QList<TQDrawingElement *> *reservoirBackgroundElements() override;
    void addToReservoirBackgroundElements(TQDrawingElement *element) override;
    void clearBackgroundElements() override;
    void setBackgroundElements(QList<TQDrawingElement *> elements) override;
    void mergeBackgroundElementUrls(QList<TQDrawingElement *> elements) override;
    bool backgroundElementsDiffer(QList<TQDrawingElement *> elements) override;
    QList<TQDrawingElement *> *reservoirForegroundElements() override;
    void addToReservoirForegroundElements(TQDrawingElement *element) override;
    void clearForegroundElements() override;
    void setForegroundElements(QList<TQDrawingElement *> elements) override;
    void eraseForegroundElement(int position) override;
    FileBean::PageState *getPageExtraState() override;
    void enableBackForwardButton(bool canUndo, bool canRedo) override;
    void uploadImageFile(QString path, int kind, int value) override;
    void sendImageFileForUrl(std::string url, int value, bool first, bool second) override;
    void setDrawingEnabled(bool enabled, std::string hint) override;
    bool suspendStudentWriting(int reason) override;
    void restoreStudentWriting() override;
    void showToast(QString text, int type, int ms) override;
    void notifyPageTurnState(bool turning) override;
    void updateTakePictureImage(QString url, QString name) override;
    void prepareTurnPage(bool begin) override;
    void notifyTopOffsetChanged(int y) override;
    void notifyPageTurned(int a, int b) override;

    bool isDrawingEnabled() const { return drawingEnabled; }
    // `type` is not used; `style` is the toast's position.
    void showToastMessage(QString text, int ms, int type, int style);

private:
    static CourseDetailBean *course();
    static MaterialDetailBean *material();
    static FileBean *page();
    Activity *activity() const;
    // Logs the two errors of a missing page; null then.
    QList<TQDrawingElement *> *pageElementList(bool background, const QString &tag);

    MethodService *methodService = nullptr;
    Context *context = nullptr;
    bool drawingEnabled = false;
    // Always empty: what the lists read without a page.
    QList<TQPath *> emptyPaths;
    QList<TQDrawingElement *> emptyElements;
};
