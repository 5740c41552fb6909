// A simulated class: N students (default 3) on the stand-in real-time SDK log
// in, join the course's channels and media channel, answer permission
// requests, raise a hand, chat, draw when given the pen, answer a choice
// question and push a moving test pattern. Each behaviour can be switched
// off. With --relay the SDK reaches the client of another process through
// the loopback relay. Writes one line per thing a student did or heard.
#include "SimClassStudent.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated students of a live class"));
    parser.addHelpOption();
    const QCommandLineOption relay(QStringLiteral("relay"), QStringLiteral("The relay, as 127.0.0.1:port."),
                                   QStringLiteral("address"));
    const QCommandLineOption schedule(QStringLiteral("schedule"), QStringLiteral("Course schedule id of the class."),
                                      QStringLiteral("id"));
    const QCommandLineOption students(QStringLiteral("students"), QStringLiteral("How many students (default 3)."),
                                      QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption firstUid(QStringLiteral("first-uid"),
                                      QStringLiteral("User id of the first student (default 1001)."),
                                      QStringLiteral("uid"), QStringLiteral("1001"));
    parser.addOptions({ relay, schedule, students, firstUid });
    struct Switch
    {
        const char *name;
        bool SimClassBehaviour::*flag;
        const char *help;
    };
    const Switch switches[] = {
        { "no-permission", &SimClassBehaviour::answerPermission, "Do not answer permission requests." },
        { "no-hand", &SimClassBehaviour::raiseHand, "Do not raise a hand." },
        { "no-chat", &SimClassBehaviour::chat, "Send no chat message." },
        { "no-strokes", &SimClassBehaviour::drawWhenAllowed, "Do not draw when given the pen." },
        { "no-choice", &SimClassBehaviour::answerChoice, "Do not answer the choice question." },
        { "no-media", &SimClassBehaviour::media, "Stay out of the media channel." },
        { "no-video", &SimClassBehaviour::video, "Push no video." },
    };
    for (const Switch &s : switches)
        parser.addOption(QCommandLineOption(QString::fromLatin1(s.name), QString::fromLatin1(s.help)));
    parser.process(app);

    QTextStream out(stdout);
    bool countOk = false, uidOk = false, scheduleOk = false;
    const int count = parser.value(students).toInt(&countOk);
    const qint64 first = parser.value(firstUid).toLongLong(&uidOk);
    const qint64 csid = parser.value(schedule).toLongLong(&scheduleOk);
    if (!countOk || count < 0 || count > 100 || !uidOk || first <= 0 || !scheduleOk || csid <= 0) {
        QTextStream(stderr) << "need --schedule ID, 0..100 --students and a positive --first-uid" << Qt::endl;
        return 2;
    }
    // The stand-in SDK's own configuration; read at its first use below.
    if (parser.isSet(relay))
        qputenv("RTSDK_RELAY", parser.value(relay).toUtf8());

    SimClassBehaviour behaviour;
    for (const Switch &s : switches)
        behaviour.*s.flag = !parser.isSet(QString::fromLatin1(s.name));

    std::vector<std::unique_ptr<SimClassStudent>> classroom;
    for (int i = 0; i < count; ++i) {
        classroom.push_back(std::make_unique<SimClassStudent>(first + i, csid, behaviour, out));
        if (!classroom.back()->enter())
            return 1;
    }
    out << "class ready: " << count << " students in " << csid << Qt::endl;
    return app.exec();
}
