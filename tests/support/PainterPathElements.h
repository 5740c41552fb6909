#pragma once

#include <QPainterPath>
#include <QVector>

// A painter path's elements as (type, x, y) rows, so that two paths compare
// element by element in a QCOMPARE and a failure prints both lists.
QVector<QVector<double>> painterPathElements(const QPainterPath &path);
