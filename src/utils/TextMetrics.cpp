#include "utils/TextMetrics.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace {

QFont measuringFont(int pointSize, const QString &family)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(pointSize > 0 ? pointSize : 9);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QString measuredText(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("好") : text;
}

} // namespace

QSize getTextSize(int pointSize, const QString &text, const QString &family)
{
    return QFontMetrics(measuringFont(pointSize, family)).size(0, measuredText(text));
}

QSize getTextBoundingSize(int pointSize, const QString &text, const QString &family)
{
    return QFontMetrics(measuringFont(pointSize, family)).boundingRect(measuredText(text)).size();
}

double getDevicePixelRatio()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QSize layoutUnit()
{
    return getTextSize(9, QString(), QString());
}

void installFontSubstitutions()
{
    const QStringList installed = QFontDatabase().families(QFontDatabase::SimplifiedChinese);
    const QStringList preferred = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                                   QStringLiteral("Noto Sans SC"), QStringLiteral("AR PL UMing CN")};
    QString cjk;
    for (const QString &family : preferred) {
        if (installed.contains(family)) {
            cjk = family;
            break;
        }
    }
    if (cjk.isEmpty() && !installed.isEmpty())
        cjk = installed.first();
    if (cjk.isEmpty())
        return;
    for (const QString &windowsFamily : {QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")})
        QFont::insertSubstitution(windowsFamily, cjk);
    // The default family (used when a layout names none) must also cover CJK.
    QFont defaultFont = QGuiApplication::font();
    defaultFont.setFamily(cjk);
    QGuiApplication::setFont(defaultFont);
}
