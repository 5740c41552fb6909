#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

ModalAnswerer::ModalAnswerer(Answer answer, int delayMs, QObject *parent)
    : QObject(parent), m_answer(answer), m_delayMs(delayMs)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(10);
}

bool ModalAnswerer::parseAnswer(const QString &word, Answer *answer)
{
    static const QList<QPair<QString, Answer>> words = {
        {QStringLiteral("first"), PressFirst}, {QStringLiteral("second"), PressSecond},
        {QStringLiteral("escape"), Escape},    {QStringLiteral("close"), Close},
        {QStringLiteral("wait"), Wait}};
    for (const auto &entry : words) {
        if (entry.first == word) {
            *answer = entry.second;
            return true;
        }
    }
    return false;
}

void ModalAnswerer::poll()
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box || !box->isVisible())
        return;
    if (box != m_current) {
        m_current = box;
        m_answered = false;
        m_since.start();
        record(box);
        return;
    }
    if (!m_answered && m_answer != Wait && m_since.elapsed() >= m_delayMs) {
        m_answered = true;
        act(box, m_answer);
    } else if (m_since.elapsed() >= m_deadlineMs) {
        ++m_timedOut;
        m_since.start();
        act(box, Escape);
    }
}

void ModalAnswerer::record(QWidget *box)
{
    ++m_boxesSeen;
    m_lastButtons.clear();
    if (auto *chooser = qobject_cast<QFileDialog *>(box)) {
        m_lastTitle = chooser->windowTitle();
        m_lastText = chooser->nameFilters().join(QStringLiteral(";;"));
        emit boxSeen(m_lastTitle, m_lastText, m_lastButtons);
        return;
    }
    auto *title = box->findChild<QLabel *>(QStringLiteral("titleLabel"));
    auto *text = box->findChild<QLabel *>(QStringLiteral("textLabel"));
    m_lastTitle = title ? title->text() : box->windowTitle();
    m_lastText = text ? text->text() : QString();
    for (const char *name : {"firstButton", "secondButton"}) {
        if (auto *button = box->findChild<QAbstractButton *>(QLatin1String(name)))
            m_lastButtons.append(button->text());
    }
    emit boxSeen(m_lastTitle, m_lastText, m_lastButtons);
}

void ModalAnswerer::act(QWidget *box, Answer answer)
{
    if (auto *chooser = qobject_cast<QFileDialog *>(box)) {
        if ((answer == PressFirst || answer == PressSecond) && !m_chosenFile.isEmpty()) {
            // Typed as a user would: selectFile leaves a focused name field alone.
            if (auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(m_chosenFile);
            else
                chooser->selectFile(m_chosenFile);
            QMetaObject::invokeMethod(chooser, "accept");
        } else if (answer != Wait) {
            chooser->reject();
        }
        return;
    }
    switch (answer) {
    case PressFirst:
    case PressSecond: {
        const char *name = answer == PressFirst ? "firstButton" : "secondButton";
        if (auto *button = box->findChild<QAbstractButton *>(QLatin1String(name)))
            pressButton(button);
        break;
    }
    case Escape:
        typeEscape(box);
        break;
    case Close:
        box->close();
        break;
    case Wait:
        break;
    }
}

void ModalAnswerer::pressButton(QWidget *button)
{
    QPointer<QWidget> guard(button);
    const QPoint centre = button->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    if (!guard)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

void ModalAnswerer::typeEscape(QWidget *window)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
}
