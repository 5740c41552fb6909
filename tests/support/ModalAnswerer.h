#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QWidget;

// Answers the modal dialogs of this process the way a user would, so that a
// test never blocks in exec(): while alive it watches for the active modal
// widget and, after a short delay, presses a button, types Escape or asks the
// window to close. Wait leaves the box alone (to let a count-down run out).
// Whatever the answer, a box still open after the deadline is dismissed with
// Escape and counted in timedOut(), so no test can hang on a box.
// A file chooser is answered the same way: either button picks the chosen
// file (cancels when none is set), Escape and Close cancel.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    enum Answer { PressFirst, PressSecond, Escape, Close, Wait };

    explicit ModalAnswerer(Answer answer, int delayMs = 0, QObject *parent = nullptr);

    // "first", "second", "escape", "close" or "wait".
    static bool parseAnswer(const QString &word, Answer *answer);

    void setAnswer(Answer answer) { m_answer = answer; }
    void setDeadline(int ms) { m_deadlineMs = ms; }
    void setChosenFile(const QString &path) { m_chosenFile = path; }

    int boxesSeen() const { return m_boxesSeen; }
    int timedOut() const { return m_timedOut; }
    // A file chooser's title is its window title, its text its name filters
    // (";;" between them), and it has no buttons.
    QString lastTitle() const { return m_lastTitle; }
    QString lastText() const { return m_lastText; }
    QStringList lastButtons() const { return m_lastButtons; }

    // The same gestures, for a given widget.
    static void pressButton(QWidget *button);
    static void typeEscape(QWidget *window);

signals:
    void boxSeen(const QString &title, const QString &text, const QStringList &buttons);

private:
    void poll();
    void record(QWidget *box);
    void act(QWidget *box, Answer answer);

    Answer m_answer;
    int m_delayMs;
    int m_deadlineMs = 15000;
    QString m_chosenFile;
    QTimer m_timer;
    QPointer<QWidget> m_current;
    bool m_answered = false;
    QElapsedTimer m_since;
    int m_boxesSeen = 0;
    int m_timedOut = 0;
    QString m_lastTitle;
    QString m_lastText;
    QStringList m_lastButtons;
};
