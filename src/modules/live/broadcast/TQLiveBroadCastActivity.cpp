#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include "utils/CLog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

TQLiveBroadCastActivity::TQLiveBroadCastActivity(int courseID, int courseScheduleID)
    : QWidget(nullptr)
    , m_courseID(courseID)
    , m_courseScheduleID(courseScheduleID)
{
}

TQLiveBroadCastActivity::~TQLiveBroadCastActivity() = default;

void TQLiveBroadCastActivity::start(int type)
{
    m_startType = type;
    CLog::printf("TQLiveBroadCastActivity::start courseID=%d courseScheduleID=%d type=%d", m_courseID,
                 m_courseScheduleID, type);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Veltro·教师端"));
    resize(1000, 640);

    // The empty class page.
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, QColor(QStringLiteral("#F4F7FC")));
    setPalette(page);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("课堂"), this);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #999999; font-family: 'Microsoft YaHei'; font-size: 14pt;"));
    layout->addWidget(label);
}

void TQLiveBroadCastActivity::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closedSent)
        return;
    m_closedSent = true;
    CLog::printf("TQLiveBroadCastActivity::quit courseScheduleID=%d", m_courseScheduleID);
    emit closed();
}
