#include "utils/CCustomNetworkAccessManagerFactory.h"

#include "utils/CLog.h"
#include "utils/FileUtils.h"

#include <QNetworkAccessManager>
#include <QNetworkDiskCache>

CCustomNetworkAccessManagerFactory::~CCustomNetworkAccessManagerFactory() = default;

QNetworkAccessManager *CCustomNetworkAccessManagerFactory::create(QObject *parent)
{
    auto *manager = new QNetworkAccessManager(parent);
    auto *cache = new QNetworkDiskCache(manager);
    const QString dir = FileUtils::getQmlCacheDir();
    CLog::debug(QStringLiteral("CCustomNetworkAccessManagerFactory::create qml cache path %1").arg(dir),
                QStringLiteral("%1 ").arg(QStringLiteral("CCustomNetworkAccessManagerFactory::create")));
    cache->setCacheDirectory(dir);
    cache->setMaximumCacheSize(kCacheSize);
    manager->setCache(cache);
    return manager;
}
