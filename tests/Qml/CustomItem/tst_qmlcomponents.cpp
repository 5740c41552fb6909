// Runs the tst_*.qml files of this folder against the components compiled
// into the library.
#include "utils/GlobalConfig.h"
#include "utils/TextMetrics.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtQuickTest>

#include <memory>

class QmlComponentsSetup : public QObject
{
    Q_OBJECT

public:
    // Creates `component` under `parent` in a context that offers `config`
    // with the given rendering switch, as the main window and the dialogs do.
    Q_INVOKABLE QObject *createWithConfig(QQmlComponent *component, QQuickItem *parent, bool renderNative)
    {
        if (!component || !parent)
            return nullptr;
        if (!m_config)
            m_config.reset(new GlobalConfig);
        m_config->switchNativeRender(renderNative);
        auto *context = new QQmlContext(component->creationContext(), parent);
        context->setContextProperty(QStringLiteral("config"), m_config.get());
        QObject *object = component->beginCreate(context);
        if (!object) {
            delete context;
            return nullptr;
        }
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
        object->setParent(parent);
        if (auto *item = qobject_cast<QQuickItem *>(object))
            item->setParentItem(parent);
        component->completeCreate();
        return object;
    }

public slots:
    void applicationAvailable() { installFontSubstitutions(); }
    // Deliberately no "config" in the root context: the views differ in that.
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->rootContext()->setContextProperty(QStringLiteral("configContexts"), this);
    }

private:
    // Made once the application exists; the settings need its folders.
    std::unique_ptr<GlobalConfig> m_config;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qmlcomponents, QmlComponentsSetup)

#include "tst_qmlcomponents.moc"
