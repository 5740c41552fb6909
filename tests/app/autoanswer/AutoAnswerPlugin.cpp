// A Qt generic plugin that a test loads into a program it starts
// (QT_PLUGIN_PATH plus QT_QPA_GENERIC_PLUGINS=veltroautoanswer:<answer>), so
// the modal boxes of that program answer themselves without any hook in the
// program. Every box it sees is reported on stderr as one line
// "autoanswer: box [title] [text] [button|button]".
#include "ModalAnswerer.h"

#include <QGenericPlugin>

#include <cstdio>

class AutoAnswerPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "autoanswer.json")

public:
    QObject *create(const QString &key, const QString &parameter) override
    {
        if (key.compare(QLatin1String("veltroautoanswer"), Qt::CaseInsensitive) != 0)
            return nullptr;
        ModalAnswerer::Answer answer = ModalAnswerer::PressFirst;
        if (!parameter.isEmpty() && !ModalAnswerer::parseAnswer(parameter, &answer))
            std::fprintf(stderr, "autoanswer: unknown answer %s\n", qPrintable(parameter));
        // Owned by the application, which deletes its generic plugin objects.
        auto *answerer = new ModalAnswerer(answer, 100);
        QObject::connect(answerer, &ModalAnswerer::boxSeen,
                         [](const QString &title, const QString &text, const QStringList &buttons) {
                             const QByteArray line = QStringLiteral("autoanswer: box [%1] [%2] [%3]\n")
                                                         .arg(title, text, buttons.join(QLatin1Char('|')))
                                                         .toUtf8();
                             std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
                             std::fflush(stderr);
                         });
        return answerer;
    }
};

#include "AutoAnswerPlugin.moc"
