#pragma once

#include <QSize>
#include <QString>

// Text measuring for hand-made layouts. An empty text is measured as "好": the
// width of one CJK character at 9 points is the layout unit of every native
// dialog and tool window.
QSize getTextSize(int pointSize, const QString &text, const QString &family);
QSize getTextBoundingSize(int pointSize, const QString &text, const QString &family);
double getDevicePixelRatio();

// The layout unit: getTextSize(9, "", "").
QSize layoutUnit();

// The user interface names Windows font families ("Microsoft YaHei" for native
// dialogs, "SimSun" for QML texts); map them to an installed CJK family so that
// Chinese texts render and measure sanely. Call once after the application
// object exists.
void installFontSubstitutions();
