// Layers point down: the lower folders of the source tree never include the
// modules built on them. Reads the sources themselves.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void lowerLayersIncludeNoModule_data();
    void lowerLayersIncludeNoModule();
};

void TestLayering::lowerLayersIncludeNoModule_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("platform") << "src/platform";
    QTest::newRow("utils") << "src/utils";
}

void TestLayering::lowerLayersIncludeNoModule()
{
    QFETCH(QString, folder);
    const QString root = QStringLiteral(VELTRO_SOURCE_DIR "/") + folder;
    const QRegularExpression moduleInclude(QStringLiteral(R"(^\s*#\s*include\s*["<](\.\./)*(src/)?modules/)"),
                                           QRegularExpression::MultilineOption);
    QStringList offenders;
    int files = 0;
    QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        ++files;
        if (moduleInclude.match(QString::fromUtf8(file.readAll())).hasMatch())
            offenders << it.filePath().mid(root.size() + 1);
    }
    QVERIFY(files > 0);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestLayering)
#include "tst_layering.moc"
