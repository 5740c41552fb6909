// The download progress dialog against the local stand-in: whatever the
// addresses of a list do (arrive, fail, are empty, are cached already), the
// dialog closes and signals its key exactly once.
#include "StandInService.h"
#include "TestLogCapture.h"
#include "TestPictures.h"

#include "utils/CFileDownloadProgressDialog.h"
#include "utils/CFileDownloader.h"
#include "utils/TextMetrics.h"

#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What one dialog signalled and how its bar moved.
class DialogWatch : public QObject
{
public:
    explicit DialogWatch(CFileDownloadProgressDialog *dialog)
    {
        connect(dialog, &CFileDownloadProgressDialog::filedownloader_downloaded_signal, this,
                [this, dialog](const QString &key) {
                    signalled << key;
                    visibleAtSignal << dialog->isVisible();
                });
        connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, this,
                [this](int value) { bar << value; });
    }

    QStringList signalled;
    QList<bool> visibleAtSignal;
    QList<int> bar;
};

} // namespace

class TestDownloadDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void layout();
    void listAlwaysCloses_data();
    void listAlwaysCloses();
    void cachedListNeedsNoRequest();
    void singleFailureCloses();
    void secondListIsRefusedWhilePending();
    void progressShares_data();
    void progressShares();

private:
    QString url(const QString &name) const { return m_service.baseUrl() + QStringLiteral("/files/") + name; }

    StandInService m_service;
};

void TestDownloadDialog::initTestCase()
{
    installFontSubstitutions();
    QVERIFY(m_service.listen());
    CFileDownloader::setTransferTimeout(5000);
}

void TestDownloadDialog::init()
{
    m_service.clearRequests();
    m_service.clearReplies();
}

void TestDownloadDialog::layout()
{
    // Sizes in layout units (the width of one CJK character at 9 points).
    const int u = layoutUnit().width();
    CFileDownloadProgressDialog dialog;
    auto *bar = dialog.findChild<QProgressBar *>();
    auto *title = dialog.findChild<QLabel *>();
    QCOMPARE(dialog.width(), 20 * u);
    QCOMPARE(bar->width(), 16 * u);
    QCOMPARE(bar->x(), 2 * u);
    QCOMPARE(bar->y(), (dialog.height() - bar->height()) / 2 + u);
    QCOMPARE(title->pos(), QPoint(u / 2, 0));
    QCOMPARE(title->width(), dialog.width() - u);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!dialog.isVisible());

    title->setText(QStringLiteral("正在下载课件"));
    bar->setValue(40);
    saveTestPicture(dialog.grab().toImage(), QStringLiteral("download_dialog"));
}

void TestDownloadDialog::listAlwaysCloses_data()
{
    // "ok" is served, "missing" answers 404, "" is no address at all.
    QTest::addColumn<QStringList>("names");
    QTest::newRow("failing, empty, good") << QStringList{"missing.bin", "", "hello.txt"};
    QTest::newRow("empty, failing") << QStringList{"", "missing.bin"};
    QTest::newRow("good, empty, failing") << QStringList{"hello.txt", "", "missing.bin"};
    QTest::newRow("only empty") << QStringList{""};
    QTest::newRow("no address") << QStringList{};
}

void TestDownloadDialog::listAlwaysCloses()
{
    QFETCH(QStringList, names);
    QStringList urls;
    for (const QString &name : names)
        urls << (name.isEmpty() ? QString() : url(name) + QStringLiteral("?row=") + QTest::currentDataTag());
    CFileDownloadProgressDialog dialog;
    DialogWatch watch(&dialog);

    dialog.downloadUrls(urls, QStringLiteral("materials-7"), QStringLiteral("正在下载课件"));
    QTRY_COMPARE(watch.signalled, QStringList{"materials-7"});
    QCOMPARE(watch.visibleAtSignal, QList<bool>{false});
    QVERIFY(!dialog.isVisible());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(CFileDownloader::getDownloadedFile(urls[i]).isEmpty(), names[i] != QLatin1String("hello.txt"));
    QTest::qWait(100);
    QCOMPARE(watch.signalled.size(), 1);

    // It can be used again.
    dialog.downloadUrls({QString()}, QStringLiteral("again"), QString());
    QTRY_COMPARE(watch.signalled, QStringList({"materials-7", "again"}));
}

void TestDownloadDialog::cachedListNeedsNoRequest()
{
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("page.txt"));
    QFile file(local);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("page");
    file.close();
    const QStringList urls{url("c1.png"), url("c2.png"), url("c3.png")};
    for (const QString &u : urls)
        QVERIFY(CFileDownloader::copyLocalFileToResourceUrl(local, u));
    CFileDownloadProgressDialog dialog;
    DialogWatch watch(&dialog);

    dialog.downloadUrls(urls, QStringLiteral("cached"), QString());
    // All there already: done before the call returns, without the network.
    QCOMPARE(watch.signalled, QStringList{"cached"});
    QCOMPARE(watch.bar, QList<int>({33, 66, 100}));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_service.requests().size(), 0);
}

void TestDownloadDialog::singleFailureCloses()
{
    CFileDownloadProgressDialog dialog;
    DialogWatch watch(&dialog);
    const QString missing = url(QStringLiteral("installer-missing.bin"));
    dialog.downloadUrl(missing, QStringLiteral("正在下载安装包"));
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(watch.signalled, QStringList{missing});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(watch.bar.last(), 100);
}

void TestDownloadDialog::secondListIsRefusedWhilePending()
{
    StandInService::Reply slow = StandInService::Reply::raw("slow file");
    slow.delayMs = 300;
    m_service.setReply(QStringLiteral("/files/slow.txt"), slow);
    CFileDownloadProgressDialog dialog;
    DialogWatch watch(&dialog);
    TestLogCapture log;

    dialog.downloadUrls({url("slow.txt")}, QStringLiteral("first"), QString());
    dialog.downloadUrls({url("hello.txt")}, QStringLiteral("second"), QString());
    QVERIFY(log.messages().filter(QStringLiteral("last file urls uncompleted")).size() == 1);
    QTRY_COMPARE(watch.signalled, QStringList{"first"});
    QVERIFY(CFileDownloader::getDownloadedFile(url("hello.txt")).isEmpty());
}

void TestDownloadDialog::progressShares_data()
{
    QTest::addColumn<qlonglong>("received");
    QTest::addColumn<qlonglong>("total");
    QTest::addColumn<int>("bar");
    QTest::newRow("a quarter") << 50LL << 200LL << 25;
    QTest::newRow("size unknown") << 50LL << 0LL << -1;
    QTest::newRow("size negative") << 50LL << -1LL << -1;
    QTest::newRow("beyond 2 GiB") << 3000000000LL << 4000000000LL << 75;
}

void TestDownloadDialog::progressShares()
{
    QFETCH(qlonglong, received);
    QFETCH(qlonglong, total);
    QFETCH(int, bar);
    CFileDownloadProgressDialog dialog;
    auto *progress = dialog.findChild<QProgressBar *>();
    progress->reset();
    dialog.filedownloader_download_progress_slot(received, total);
    QCOMPARE(progress->value(), bar);
}

QTEST_MAIN(TestDownloadDialog)
#include "tst_downloaddialog.moc"
