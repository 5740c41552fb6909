// The message channels' listeners of both SDKs, called as the SDK calls them
// (on a thread of their own) with fake messages and members, reporting to a
// recording handler through a real TQRTMEventDelegate; and the SDK log file
// name a channel gives the stand-in SDK, read from its call log.

#include "modules/live/communications/TQRTMEventDelegate.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonTessel.h"
#include "modules/live/communications/agora/rtm/TQRTMCommonWinImpl.h"
#include "modules/login/LoginManager.h"
#include "utils/FileUtils.h"

#include "rtsdk/StandInControl.h"

#include <QDateTime>
#include <QJsonObject>
#include <QtTest>

#include "RecordingHandlers.h"
#include "TestClock.h"
#include "TestLogCapture.h"

#include <thread>

namespace {

template <typename Base>
class FakeMessage : public Base
{
public:
    FakeMessage(int type, const char *text, QByteArray raw) : mType(type), mText(text), mRaw(std::move(raw)) {}
    long long getMessageId() const override { return 1; }
    int getMessageType() const override { return mType; }
    void setText(const char *text) override { mText = text; }
    const char *getText() const override { return mText.constData(); }
    const char *getRawMessageData() const override { return mRaw.isNull() ? nullptr : mRaw.constData(); }
    int getRawMessageLength() const override { return mRaw.size(); }
    void release() override {}

private:
    int mType;
    QByteArray mText;
    QByteArray mRaw;
};

template <typename Base>
class FakeMember : public Base
{
public:
    FakeMember(const char *user, const char *channel) : mUser(user), mChannel(channel) {}
    const char *getUserId() const override { return mUser; }
    const char *getChannelId() const override { return mChannel; }
    void release() override {}

private:
    const char *mUser;
    const char *mChannel;
};

// The listeners of one SDK around a delegate with one recording handler.
template <typename Traits>
struct ListenerRig
{
    using Message = FakeMessage<typename Traits::Message>;
    using Member = FakeMember<typename Traits::Member>;

    ListenerRig() { delegate.addEventHandler(&handler); }

    // Runs the call on a thread of its own, as the SDK does.
    template <typename Call>
    void fromSdkThread(Call call)
    {
        std::thread sdk(call);
        sdk.join();
    }

    RecordingDataHandler handler;
    TQRTMEventDelegate delegate;
    TQRTMClientListener<Traits> client{&delegate};
    TQRTMChannelListener<Traits> channel{&delegate};
};

template <typename Traits>
QStringList messageReports(int type, const QByteArray &text, const QByteArray &raw, bool peer)
{
    ListenerRig<Traits> rig;
    typename ListenerRig<Traits>::Message message(type, text.constData(), raw);
    rig.fromSdkThread([&] {
        if (peer)
            rig.client.onMessageReceivedFromPeer("42_rtm", &message);
        else
            rig.channel.onMessageReceived("42_rtm", &message);
    });
    return rig.handler.reports();
}

template <typename Traits>
QStringList memberReports(int errorCode, bool released, bool nullMember)
{
    ListenerRig<Traits> rig;
    typename ListenerRig<Traits>::Member a("7_rtm", "678_rtm"), b("8_rtm", "678_rtm"), c("9", "678_rtm");
    typename Traits::Member *members[] = {&a, &b, &c};
    typename ListenerRig<Traits>::Member alt("5_rtm", "678_alt");
    if (released)
        rig.channel.release();
    rig.fromSdkThread([&] {
        rig.channel.onGetMembers(members, 3, errorCode);
        rig.channel.onMemberJoined(nullMember ? nullptr : &alt);
        rig.channel.onMemberLeft(nullMember ? nullptr : &alt);
        rig.channel.onSendMessageResult(3, 0);
    });
    return rig.handler.reports();
}

} // namespace

class TestRtmListeners : public QObject
{
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void members_data();
    void members();
    void sendResult_data();
    void sendResult();
    void sdkLogFileName_data();
    void sdkLogFileName();
};

void TestRtmListeners::messages_data()
{
    QTest::addColumn<bool>("tessel");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("peer");
    QTest::addColumn<QString>("report");
    for (bool tessel : {false, true}) {
        const char *sdk = tessel ? "tessel" : "agora";
        QTest::addRow("%s 5 raw bytes", sdk) << tessel << 2 << QByteArray("\x01\x00\x02\xff\x05", 5) << false
                                             << "onMessageArrived(x,010002ff05,42,0)";
        QTest::addRow("%s text", sdk) << tessel << 1 << QByteArray() << false << "onMessageArrived(x,null,42,0)";
        QTest::addRow("%s raw without bytes", sdk) << tessel << 2 << QByteArray() << false
                                                   << "onMessageArrived(x,null,42,0)";
        QTest::addRow("%s peer raw", sdk) << tessel << 2 << QByteArray("ab") << true << "onMessageArrived(x,6162,42,1)";
    }
}

void TestRtmListeners::messages()
{
    QFETCH(bool, tessel);
    QFETCH(int, type);
    QFETCH(QByteArray, raw);
    QFETCH(bool, peer);
    QFETCH(QString, report);
    const QStringList reports = tessel ? messageReports<TQRTMTesselTraits>(type, "x", raw, peer)
                                       : messageReports<TQRTMAgoraTraits>(type, "x", raw, peer);
    QCOMPARE(reports, QStringList{report});
}

void TestRtmListeners::members_data()
{
    QTest::addColumn<bool>("tessel");
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<bool>("released");
    QTest::addColumn<bool>("nullMember");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<int>("releasedLines");
    const QStringList all{"onMemberJoined(7,1)", "onMemberJoined(8,1)", "onMemberJoined(9,1)", "onMemberJoined(5,0)",
                          "onMemberLeft(5,0)"};
    for (bool tessel : {false, true}) {
        const char *sdk = tessel ? "tessel" : "agora";
        QTest::addRow("%s list", sdk) << tessel << 0 << false << false << all << 0;
        QTest::addRow("%s failed list", sdk) << tessel << 5 << false << false << QStringList(all.mid(3)) << 0;
        QTest::addRow("%s null member", sdk) << tessel << 0 << false << true << QStringList(all.mid(0, 3)) << 0;
        QTest::addRow("%s released", sdk) << tessel << 0 << true << false << QStringList() << 4;
    }
}

void TestRtmListeners::members()
{
    QFETCH(bool, tessel);
    QFETCH(int, errorCode);
    QFETCH(bool, released);
    QFETCH(bool, nullMember);
    QFETCH(QStringList, reports);
    QFETCH(int, releasedLines);
    TestLogCapture log;
    QCOMPARE(tessel ? memberReports<TQRTMTesselTraits>(errorCode, released, nullMember)
                    : memberReports<TQRTMAgoraTraits>(errorCode, released, nullMember),
             reports);
    QCOMPARE(log.messages().filter("delegate released").size(), releasedLines);
    if (nullMember)
        QCOMPARE(log.messages().filter(tessel ? "[RTM] member joined get member null"
                                              : "[RTM] RtmChannelListener::onMemberJoined get member null").size(), 1);
}

void TestRtmListeners::sendResult_data()
{
    QTest::addColumn<bool>("tessel");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("line");
    QTest::newRow("agora delivered") << false << 0 << QString();
    QTest::newRow("agora failed")
        << false << 5 << "[RTM] RtmChannelListener::onSendMessageResult sending failed. messageId=12, state=5";
    QTest::newRow("tessel delivered") << true << 0 << QString();
    QTest::newRow("tessel failed") << true << 5 << "[RTM] sending failed. messageId=12, state=5";
}

void TestRtmListeners::sendResult()
{
    QFETCH(bool, tessel);
    QFETCH(int, state);
    QFETCH(QString, line);
    TestLogCapture log;
    {
        ListenerRig<TQRTMAgoraTraits> agora;
        ListenerRig<TQRTMTesselTraits> tesselRig;
        log.clear();
        if (tessel)
            tesselRig.channel.onSendMessageResult(12, state);
        else
            agora.channel.onSendMessageResult(12, state);
        QCOMPARE(log.messages().size(), line.isEmpty() ? 0 : 1);
        if (!line.isEmpty())
            QVERIFY(log.messages().first().endsWith(line));
        QVERIFY(agora.handler.reports().isEmpty() && tesselRig.handler.reports().isEmpty());
    }
}

void TestRtmListeners::sdkLogFileName_data()
{
    QTest::addColumn<bool>("tessel");
    QTest::addColumn<QString>("name");
    QTest::newRow("agora") << false << "agora_rtm-2024_05_17_10_30_45.log";
    QTest::newRow("tessel") << true << "tessel_rtm-2024_05_17_10_30_45.log";
}

void TestRtmListeners::sdkLogFileName()
{
    QFETCH(bool, tessel);
    QFETCH(QString, name);
    rtsdk::StandInControl::reset();
    LoginManager::saveLoginInfo(QJsonObject{{"tokenStatus", QJsonObject{{"token", "t"}}},
                                            {"accountDetails", QJsonObject{{"user_id", "900"}}}});
    TestClock clock(QDateTime(QDate(2024, 5, 17), QTime(10, 30, 45)).toMSecsSinceEpoch());
    TQRTMEventDelegate delegate;
    {
        std::unique_ptr<TQRTMCommon> channel(tessel ? static_cast<TQRTMCommon *>(new TQRTMCommonTessel)
                                                    : new TQRTMCommonWinImpl);
        TQRTMLoadConfig config;
        config.appId = "app";
        config.rtmToken = "tok";
        config.courseScheduleId = 678;
        config.eventDelegate = &delegate;
        channel->initDataChannels(config);
        channel->leaveDataChannels();
    }
    const std::string service = rtsdk::StandInControl::serviceOf("900_rtm");
    const auto calls = rtsdk::StandInControl::callsOf(service);
    const QString expected = QStringLiteral("setLogFile(\"%1/%2\")").arg(FileUtils::getLogDir(), name);
    QVERIFY2(std::any_of(calls.begin(), calls.end(),
                         [&](const std::string &c) { return QString::fromStdString(c).startsWith(expected); }),
             qPrintable(expected));
    rtsdk::StandInControl::reset();
}

QTEST_MAIN(TestRtmListeners)
#include "tst_rtmlisteners.moc"
