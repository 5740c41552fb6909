// The ordinals of the Agora RTC library as the engine classes find them:
// ordinal 1 gives a base service that the linked SDK really makes and
// initialises; ordinal 2 gives the engine factory; unknown ordinals are absent.
#include "modules/live/communications/agora/TQAgoraSdkResolver.h"

#include "agora/IAgoraRtcEngine.h"
#include "agora/IAgoraService.h"
#include "rtsdk/StandInControl.h"

#include <QtTest>

class TestAgoraSdkResolver : public QObject
{
    Q_OBJECT

private slots:
    void baseServiceByOrdinal()
    {
        TQAgoraSdkResolver::BaseServiceFactory factory = TQAgoraSdkResolver::baseServiceFactory();
        QVERIFY(factory);
        agora::base::IAgoraService *service = factory();
        QVERIFY(service);
        agora::base::AgoraServiceContext context;
        context.appId = "app";
        QCOMPARE(service->initialize(context), 0);
        service->release();
        QCOMPARE(rtsdk::StandInControl::callsOf("agora.base#1"),
                 (std::vector<std::string>{"initialize(\"app\") = 0", "release()"}));
        rtsdk::StandInControl::reset();
    }

    void engineFactoryByOrdinal()
    {
        TQAgoraSdkResolver::EngineFactory factory = TQAgoraSdkResolver::engineFactory();
        QVERIFY(factory);
        agora::rtc::IRtcEngine *engine = factory();
        QVERIFY(engine);
        engine->release(true);
        QCOMPARE(rtsdk::StandInControl::callsOf("agora.rtc#1"), (std::vector<std::string>{"release(true) = 0"}));
        rtsdk::StandInControl::reset();
    }

    void absentOrdinals_data()
    {
        QTest::addColumn<int>("ordinal");
        QTest::newRow("none") << 0;
        QTest::newRow("unknown") << 3;
    }
    void absentOrdinals()
    {
        QFETCH(int, ordinal);
        QVERIFY(!TQAgoraSdkResolver::resolve(ordinal));
    }
};

QTEST_GUILESS_MAIN(TestAgoraSdkResolver)
#include "tst_agorasdkresolver.moc"
