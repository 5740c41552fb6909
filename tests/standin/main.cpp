// The local stand-in service as a program: answers the client's requests from
// the fixture folder so that the client can be tried without the real service.
#include "StandInService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Local stand-in of the tutoring service"));
    parser.addHelpOption();
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port on 127.0.0.1 (0: any free port)."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    QCommandLineOption fixtureOption(QStringLiteral("fixtures"), QStringLiteral("Fixture folder."),
                                     QStringLiteral("dir"), StandInService::defaultFixtureRoot());
    parser.addOption(portOption);
    parser.addOption(fixtureOption);
    parser.process(app);

    StandInService service;
    service.setFixtureRoot(parser.value(fixtureOption));
    QTextStream out(stdout);
    if (!service.listen(quint16(parser.value(portOption).toUInt()))) {
        QTextStream(stderr) << "cannot listen on port " << parser.value(portOption) << Qt::endl;
        return 1;
    }
    QObject::connect(&service, &StandInService::requestReceived, &app,
                     [&out](const QString &path) { out << "request " << path << Qt::endl; });
    out << "listening on " << service.baseUrl() << Qt::endl;
    return app.exec();
}
