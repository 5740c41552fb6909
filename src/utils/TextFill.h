#pragma once

#include <QString>
#include <QStringList>

// `format` with every "%N" (N from 1 to 99) replaced by values[N - 1] in one
// pass, so that a value holding "%2" is never filled in again (chained
// QString::arg calls would). A placeholder without a value stays as it is.
QString fillPlaceholders(const QString &format, const QStringList &values);
