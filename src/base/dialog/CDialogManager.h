#pragma once

#include <QString>

class QWidget;

// The small message windows every part of the program shows. The modal
// functions run the box in a nested event loop and return its answer: 0 for
// the first button (and for the end of a count-down), 1 for the second, and
// CMessageBox::kDismissed (-1) when the box was closed without a button
// (Escape, the window's close button, its parent deleted meanwhile). Each
// caller tests every value it acts on and decides what a dismissal means:
// the safe path (cancel, keep, stay), or, where the box offers no real choice
// (a forced upgrade), the one way on.
class CDialogManager
{
public:
    static int twoButtonDialog(QWidget *parent, const QString &title, const QString &text,
                               const QString &firstButtonText, const QString &secondButtonText,
                               int countDownButton = 0, int countDownSeconds = -1);
    static int oneButtonDialog(QWidget *parent, const QString &title, const QString &text,
                               const QString &buttonText, int countDownSeconds = -1);
    // Shows a one-button box that deletes itself when it ends; returns 0 at once.
    static int showOneButtonDialog(QWidget *parent, const QString &title, const QString &text,
                                   const QString &buttonText, int countDownSeconds = -1);
    // A self-deleting fading toast; nothing when the text is empty or ms is not above 0.
    static int toast(QWidget *parent, const QString &text, int ms = 3000, int position = 0);

private:
    CDialogManager() = delete;
};
