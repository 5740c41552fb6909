#pragma once

#include <QQmlNetworkAccessManagerFactory>

// Installed on the QML engines: every network manager QML makes gets a
// 100 MiB disk cache in the data folder's "/qml_cache".
class CCustomNetworkAccessManagerFactory : public QQmlNetworkAccessManagerFactory
{
public:
    static constexpr qint64 kCacheSize = 104857600;

    ~CCustomNetworkAccessManagerFactory() override;
    // May be called on the engine's own threads; keeps no state.
    QNetworkAccessManager *create(QObject *parent) override;
};
