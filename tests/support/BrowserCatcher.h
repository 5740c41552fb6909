#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the system browser while it lives: the http and https
// addresses the program opens through QDesktopServices land in `opened`
// instead of starting a browser.
class BrowserCatcher : public QObject
{
    Q_OBJECT

public:
    BrowserCatcher()
    {
        for (const QString &scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~BrowserCatcher() override
    {
        for (const QString &scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }

private:
    static QStringList schemes() { return {QStringLiteral("http"), QStringLiteral("https")}; }
};
