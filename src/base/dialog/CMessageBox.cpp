#include "base/dialog/CMessageBox.h"

#include "utils/CLog.h"
#include "utils/TextMetrics.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

const char *const kFamily = "Microsoft YaHei";
const char *const kFilledStyle = "QPushButton{color:white;background-color:#3A78E6;border-radius:%1px;border:none}";
const char *const kOutlinedStyle = "QPushButton{color:#3A78E6;background-color:white;border-width:1px;"
                                   "border-radius:%1px;border-color:#3A78E6;border-style:solid}";
// A short message is measured padded with CJK characters, so every box has a
// text area about thirty characters wide.
const int kMeasuredChars = 30;

} // namespace

CMessageBox::CMessageBox(QWidget *parent, const QString &title, const QString &text, const QString &firstButtonText,
                         const QString &secondButtonText, int countDownButton, int countDownSeconds)
    : QDialog(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    if (countDownSeconds > 0) {
        m_remainingSeconds = countDownSeconds;
        mCountDownButton = countDownButton;
        m_pTimer = new QTimer(this);
        connect(m_pTimer, &QTimer::timeout, this, &CMessageBox::timeout_slot);
    }
    mFirstButtonText = firstButtonText;
    mSecondButtonText = secondButtonText;
    mText = text;
    initView(title, text, firstButtonText, secondButtonText);
}

CMessageBox::~CMessageBox()
{
    CLog::log(QStringLiteral("destructor for %1").arg(mText),
              QStringLiteral("%1 ").arg(QStringLiteral("CMessageBox::~CMessageBox")));
    // The labels, buttons and timer are children and go with the box.
}

QString CMessageBox::countText(const QString &buttonText, int seconds)
{
    return QStringLiteral("%1(%2)").arg(buttonText).arg(seconds);
}

void CMessageBox::initView(const QString &title, const QString &text, const QString &firstButtonText,
                           const QString &secondButtonText)
{
    mUnit = layoutUnit().width();
    const int u = mUnit;

    m_pTitleLabel = new QLabel(this);
    m_pTitleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_pTitleLabel->setFont(QFont(QLatin1String(kFamily), 10));
    m_pTitleLabel->move(3 * u, u);
    m_pTitleLabel->setText(title);

    m_pTextLabel = new QLabel(this);
    m_pTextLabel->setObjectName(QStringLiteral("textLabel"));
    m_pTextLabel->setFont(QFont(QLatin1String(kFamily), 12));
    m_pTextLabel->move(3 * u, m_pTitleLabel->y() + m_pTitleLabel->height() + 2 * u);
    m_pTextLabel->setText(text);

    QString measured = text;
    if (measured.size() < kMeasuredChars)
        measured += QString(kMeasuredChars - 3, QChar(0x597D)); // "好"
    const int textWidth = QFontMetrics(m_pTextLabel->font()).horizontalAdvance(measured.left(kMeasuredChars));
    m_pTextLabel->setFixedWidth(textWidth);
    m_pTextLabel->setAlignment(Qt::AlignHCenter);
    m_pTextLabel->setWordWrap(true);
    m_pTextLabel->adjustSize();
    int boxWidth = textWidth + 2 * m_pTextLabel->x();

    const int minButtonHeight = getTextSize(12, QString(), QString()).height() * 3 / 2;
    const QString radius = QString::number(u / 2);

    m_pFirstButton = new QPushButton(this);
    m_pFirstButton->setObjectName(QStringLiteral("firstButton"));
    m_pFirstButton->setFont(QFont(QLatin1String(kFamily), 12));
    const bool countOnFirst = mCountDownButton == 0 && m_remainingSeconds >= 1;
    m_pFirstButton->setText(countOnFirst ? countText(firstButtonText, m_remainingSeconds) : firstButtonText);
    m_pFirstButton->setStyleSheet(QString::fromLatin1(kFilledStyle).arg(radius));
    connect(m_pFirstButton, &QPushButton::pressed, this, &CMessageBox::firstButtonClicked_slot);

    const QString &longer = secondButtonText.size() > firstButtonText.size() ? secondButtonText : firstButtonText;
    const int defaultHeight = m_pFirstButton->height();
    const int buttonWidth = getTextSize(m_pFirstButton->font().pointSize(), longer, QString()).width()
                            + 2 * defaultHeight;
    const int buttonHeight = qMax(defaultHeight, minButtonHeight);
    m_pFirstButton->resize(buttonWidth, buttonHeight);

    if (boxWidth < 3 * buttonWidth) {
        boxWidth = 3 * buttonWidth;
        m_pTextLabel->setFixedWidth(boxWidth - 6 * u);
    }
    const int boxHeight = m_pTextLabel->y() + m_pTextLabel->height() + 2 * u + 3 * buttonHeight;
    resize(boxWidth, boxHeight);

    if (!secondButtonText.isEmpty()) {
        m_pFirstButton->move(boxWidth / 2 + buttonWidth / 4, boxHeight - 2 * buttonHeight);
        m_pSecondButton = new QPushButton(this);
        m_pSecondButton->setObjectName(QStringLiteral("secondButton"));
        m_pSecondButton->setFont(m_pFirstButton->font());
        m_pSecondButton->resize(buttonWidth, buttonHeight);
        const bool countOnSecond = mCountDownButton == 1 && m_remainingSeconds > 0;
        m_pSecondButton->setText(countOnSecond ? countText(secondButtonText, m_remainingSeconds) : secondButtonText);
        m_pSecondButton->setStyleSheet(QString::fromLatin1(kOutlinedStyle).arg(radius));
        m_pSecondButton->move(boxWidth / 2 - (buttonWidth * 5) / 4, boxHeight - 2 * buttonHeight);
        connect(m_pSecondButton, &QPushButton::pressed, this, &CMessageBox::secondButtonClicked_slot);
    } else {
        m_pFirstButton->move((boxWidth - buttonWidth) / 2, boxHeight - 2 * buttonHeight);
    }

    if (m_pTimer && m_remainingSeconds > 0)
        m_pTimer->start(1000);
}

void CMessageBox::firstButtonClicked_slot()
{
    done(0);
}

void CMessageBox::secondButtonClicked_slot()
{
    done(1);
}

void CMessageBox::reject()
{
    done(kDismissed);
}

void CMessageBox::done(int result)
{
    // However the box ends, its count-down must not fire into a finished box.
    if (m_pTimer)
        m_pTimer->stop();
    QDialog::done(result);
}

void CMessageBox::timeout_slot()
{
    if (!m_pTimer)
        return;
    --m_remainingSeconds;
    if (mCountDownButton == 0)
        m_pFirstButton->setText(countText(mFirstButtonText, m_remainingSeconds));
    else if (mCountDownButton == 1 && m_pSecondButton)
        m_pSecondButton->setText(countText(mSecondButtonText, m_remainingSeconds));
    if (m_remainingSeconds <= 0)
        done(0);
}

void CMessageBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        mDragPressPoint = event->pos();
        mDragging = true;
    }
    QDialog::mousePressEvent(event);
}

void CMessageBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        mDragging = false;
    QDialog::mouseReleaseEvent(event);
}

void CMessageBox::mouseMoveEvent(QMouseEvent *event)
{
    if (mDragging)
        move(event->globalPos() - mDragPressPoint);
    QDialog::mouseMoveEvent(event);
}

void CMessageBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor shadow(QStringLiteral("#16000000"));
    painter.setPen(shadow);
    painter.setBrush(shadow);
    painter.drawRoundedRect(rect(), mUnit, mUnit);
    painter.setPen(QColor(QStringLiteral("#C8C8C8")));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(mUnit / 4, mUnit / 4, width() - mUnit / 2, height() - mUnit / 2), mUnit, mUnit);
    painter.end();
    QDialog::paintEvent(event);
}
