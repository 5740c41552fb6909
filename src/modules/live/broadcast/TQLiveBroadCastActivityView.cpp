// The class window's view: the class page in its Qt Quick view, the page
// items the window drives, and the board set-up once the board has a size.
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include "modules/live/broadcast/TQBroadcastViewModel.h"
#include "modules/live/broadcast/TQLiveBroadCastContext.h"
#include "modules/live/broadcast/tempView.h"
#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"
#include "modules/live/draws/TQDrawBackgroundLayout.h"
#include "modules/live/draws/TQDrawForegroundLayout.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/live/draws/TQDrawShadeView.h"
#include "modules/live/draws/TQDrawSketchView.h"
#include "modules/live/draws/TQDrawTemporalLayout.h"
#include "modules/live/draws/TQDrawTemporalView.h"
#include "modules/live/draws/TQDrawTouchView.h"
#include "modules/live/TeachingAssistant/TQTeachingAssistant.h"
#include "modules/live/audioplayer/TQLiveAudioPlayerLayout.h"
#include "modules/live/exercises/onsitehomework/TQOnsiteHomeworkLayout.h"
#include "modules/live/material/TQLiveMaterialListLayout.h"
#include "modules/live/menu/TQBrushSetting.h"
#include "modules/live/menu/TQMenuListLayout.h"
#include "modules/live/menu/TQShapeLayout.h"
#include "modules/live/menu/TQTopMenuObject.h"
#include "modules/live/popover/TQBlackRoomControlPanel.h"
#include "modules/live/popover/TQLiveBystanderControlPanel.h"
#include "modules/live/popover/TQLivePopoverManager.h"
#include "modules/live/popover/TQStudentControlPanel.h"
#include "modules/live/popover/TQTeacherControlPanel.h"
#include "modules/live/pptplayer/TQPPTPlayerLayout.h"
#include "modules/live/userlist/TQBroadCastUserListInterface.h"
#include "modules/live/userlist/TQClassRotateSettingDialog.h"
#include "modules/live/userlist/TQUserListManager.h"
#include "modules/live/videocard/TQVideoCardPlayerLayout.h"
#include "modules/live/videoprocess/TQRecordVideoPlayerLayout.h"
#include "modules/live/takepicture/TQTakePictureLayout.h"
#include "modules/live/videoprocess/TQPreviewView.h"
#include "modules/login/LoginManager.h"
#include "utils/CCustomNetworkAccessManagerFactory.h"
#include "utils/CLog.h"
#include "utils/GlobalConfig.h"
#include "utils/TextMetrics.h"

#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QVBoxLayout>

namespace {

// The board keeps the aspect 820 : 520 (41 : 26).
constexpr double kBoardAspect = 1.5769230769230769;

int boardHeightFor(int boardWidth)
{
    return int(boardWidth / kBoardAspect);
}

template <typename T>
T *findItem(QQuickItem *under, const char *name)
{
    return under ? under->findChild<T *>(QLatin1String(name)) : nullptr;
}

} // namespace

void TQLiveBroadCastActivity::initView()
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1350, 800);
    mBoardSize = QSize(900, 570);

    m_pGlobalConfig = new GlobalConfig(nullptr);
    m_pView = new tempView();
    // The engine does not own its factory; the factory goes with the engine.
    auto *networkFactory = new CCustomNetworkAccessManagerFactory();
    m_pView->engine()->setNetworkAccessManagerFactory(networkFactory);
    connect(m_pView->engine(), &QObject::destroyed, [networkFactory] { delete networkFactory; });

    QQmlContext *context = m_pView->rootContext();
    context->setContextProperty(QStringLiteral("videoWindow"), this);
    context->setContextProperty(QStringLiteral("config"), m_pGlobalConfig);
    context->setContextProperty(QStringLiteral("userListManager"), m_pUserListManager);
    const AccountEntity *user = LoginManager::getCurrentUser();
    context->setContextProperty(QStringLiteral("mainUser"),
                                QVariant(user ? user->accountDetails.toLoginUserJson() : QJsonObject()));
    context->setContextProperty(QStringLiteral("userListInterface"), m_pUserListInterface);
    context->setContextProperty(QStringLiteral("menuListLayout"), m_pMenuListLayout);
    context->setContextProperty(QStringLiteral("topMenuObject"), m_pTopMenuObject);
    context->setContextProperty(QStringLiteral("teachingAssistantObject"), m_pTeachingAssistant);
    context->setContextProperty(QStringLiteral("onsiteHomeworkLayout"), m_pOnsiteHomeworkLayout);
    context->setContextProperty(QStringLiteral("brushSettingLayout"), m_pBrushSetting);
    context->setContextProperty(QStringLiteral("shapeLayout"), m_pShapeLayout);
    context->setContextProperty(QStringLiteral("materialListLayout"), m_pMaterialListLayout);
    TQLivePopoverManager *popovers = m_pContext ? m_pContext->m_pPopoverManager : nullptr;
    context->setContextProperty(QStringLiteral("studentControl"), popovers ? popovers->studentPanel() : nullptr);
    context->setContextProperty(QStringLiteral("teacherControl"), popovers ? popovers->teacherPanel() : nullptr);
    context->setContextProperty(QStringLiteral("blackRoomPanel"), popovers ? popovers->blackRoomPanel() : nullptr);
    context->setContextProperty(QStringLiteral("bystanderControlPanel"),
                                popovers ? popovers->bystanderPanel() : nullptr);
    context->setContextProperty(QStringLiteral("classRotateSettingDialog"), m_pClassRotateSettingDialog);
    context->setContextProperty(QStringLiteral("takePictureLayout"), m_pTakePictureLayout);
    context->setContextProperty(QStringLiteral("liveAudioPlayerLayout"), m_pLiveAudioPlayerLayout);
    context->setContextProperty(QStringLiteral("videoCardPlayerLayout"), m_pVideoCardPlayerLayout);
    context->setContextProperty(QStringLiteral("pptPlayerLayout"), m_pPPTPlayerLayout);
    // No count-down runs while the page is built: the page sees null.
    context->setContextProperty(QStringLiteral("countDownLayout"), static_cast<QObject *>(nullptr));
    context->setContextProperty(QStringLiteral("recordVideoPlayer"), m_pRecordVideoPlayerLayout);

    // The page follows the view, and the view the window.
    m_pView->setResizeMode(QQuickView::SizeRootObjectToView);
    m_pView->setSource(QUrl(QStringLiteral("qrc:///Qml/activity_live_class.qml")));
    for (const QQmlError &error : m_pView->errors())
        CLog::error(error.toString(), QStringLiteral("TQLiveBroadCastActivity::initView "));
    QWidget *container = QWidget::createWindowContainer(m_pView, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);

    QQuickItem *page = m_pView->rootObject();
    m_pVideoPreview = findItem<TQPreviewView>(page, "videoPreview");
    if (m_pUserListManager)
        m_pUserListManager->setPreviewView(m_pVideoPreview);
    if (m_pOnsiteHomeworkLayout)
        m_pOnsiteHomeworkLayout->setQmlRoot(page);

    setWindowTitle(QStringLiteral("Veltro·教师端"));

    const QSize metrics = getTextSize(12, QString(), QString());
    CLog::printf("TQLiveBroadCastActivity::initView metrics font size %d,%d", metrics.width(), metrics.height());
}

void TQLiveBroadCastActivity::findQmlItems()
{
    QQuickItem *page = m_pView ? m_pView->rootObject() : nullptr;
    m_pDrawLayoutItem = findItem<QQuickItem>(page, "drawLayout");
    m_pShareScreenShadow = findItem<QQuickItem>(page, "shareScreenShadow");
    m_pDrawArea = findItem<QQuickItem>(page, "drawArea");
    m_pUserListLayout = findItem<QQuickItem>(page, "userListLayout");
    if (!m_pDrawLayoutItem) {
        CLog::error(QStringLiteral("no board on the class page"), QStringLiteral("TQLiveBroadCastActivity::findQmlItems "));
        return;
    }
    // The board is set up once it has both sizes, whichever comes last. A
    // window that quit before that has let go of the page's items: the page
    // may still resize on its way out, and no board is set up then.
    auto sizeCheck = [this] {
        if (m_pDrawLayoutItem && m_pDrawLayoutItem->width() > 0 && m_pDrawLayoutItem->height() > 0)
            onDrawBoardSizeSetup();
    };
    connect(m_pDrawLayoutItem, &QQuickItem::widthChanged, this, sizeCheck);
    connect(m_pDrawLayoutItem, &QQuickItem::heightChanged, this, sizeCheck);
    // The page may already have laid the board out.
    sizeCheck();
}

void TQLiveBroadCastActivity::onDrawBoardSizeSetup()
{
    // Once: the size watch goes first.
    disconnect(m_pDrawLayoutItem, nullptr, this, nullptr);
    if (m_pDrawLayout)
        return;

    QQuickItem *board = m_pDrawLayoutItem;
    auto *temporalView = findItem<TQDrawTemporalView>(board, "tqdrawtemporalview0");
    auto *sketchView = findItem<TQDrawSketchView>(board, "tqdrawsketchview0");
    auto *shadeView = findItem<TQDrawShadeView>(board, "mTemporalShade0");
    auto *temporalLayout = findItem<TQDrawTemporalLayout>(board, "mTemporalLayout0");
    auto *touchView = findItem<TQDrawTouchView>(board, "touchView0");
    auto *backgroundLayout = findItem<TQDrawBackgroundLayout>(board, "tqdrawbackgroundLayout");
    auto *foregroundLayout = findItem<TQDrawForegroundLayout>(board, "tqdrawforgroundLayout");
    auto *containerItem = findItem<QQuickItem>(board, "containerItem0");
    auto *boardContainer = findItem<QQuickItem>(board, "draw_board_container");
    if (!temporalView || !sketchView || !shadeView || !temporalLayout || !touchView || !backgroundLayout
        || !foregroundLayout || !containerItem || !boardContainer) {
        // A page without the full layer stack has no board to draw on.
        CLog::error(QStringLiteral("board layers missing"), QStringLiteral("TQLiveBroadCastActivity::onDrawBoardSizeSetup "));
        return;
    }

    touchView->setDrawLayoutItem(board);
    shadeView->setVisible(false);

    m_pDrawLayout = new TQDrawLayout();
    connect(m_pDrawLayout, &TQDrawLayout::captureFrame, this, &TQLiveBroadCastActivity::onCaptureFrame);

    const int boardWidth = int(board->width());
    const int boardHeight = boardHeightFor(boardWidth);
    CLog::log(QStringLiteral("m_pDrawLayout->width = %1").arg(board->width()),
              QStringLiteral("TQLiveBroadCastActivity::onDrawBoardSizeSetup"));
    mBoardSize = QSize(boardWidth, boardHeight);

    m_pDrawLayout->init(m_pDrawDataSource, temporalView, sketchView, shadeView, temporalLayout, touchView,
                        QSize(boardWidth, boardHeight), backgroundLayout, foregroundLayout, containerItem,
                        boardContainer, board);

    TQDrawManager *manager = m_pDrawLayout->drawManager();
    if (m_pBrushSetting)
        m_pBrushSetting->setDrawManager(manager);
    manager->setStyleBoxItems(findItem<QQuickItem>(board, "mSelectColorBtn"), findItem<QQuickItem>(board, "fillShapeBtn"),
                              findItem<QQuickItem>(board, "mSelectLineTypeBtn"));

    m_pView->setTouchTarget(touchView);

    requestCourseDetail();
}

void TQLiveBroadCastActivity::adjustDrawLayout()
{
    CLog::printf("TQLiveBroadCastActivity::adjustDrawLayout");
    if (!m_pDrawLayout)
        return;
    const int boardWidth = int(findItem<QQuickItem>(m_pDrawLayoutItem, "touchView0")->width());
    const int boardHeight = boardHeightFor(boardWidth);
    CLog::print(QStringLiteral("adjustDrawLayoutWidth"));
    m_pDrawLayout->adjustViewSize(QSize(boardWidth, boardHeight));
}

void TQLiveBroadCastActivity::handleDrawLayoutTopOffset(int y)
{
    TQDrawManager *manager = m_pDrawLayout ? m_pDrawLayout->drawManager() : nullptr;
    if (!manager)
        return;
    emit updateScrollBarPosition_signal(y, manager->getMaxContentHeight());
    const int canvasHeight = manager->canvasSize().height();
    // Before the first page the canvas has no height: nothing to scale by.
    const qint64 scaled = canvasHeight > 0 ? qint64(y) * manager->visibleSize().height() / canvasHeight : 0;
    emit updateTopOffset_signal(int(scaled));
}
