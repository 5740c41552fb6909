#include "base/dialog/CDialogManager.h"

#include "base/dialog/CMessageBox.h"
#include "base/dialog/CToast.h"

#include <QPointer>

namespace {

// The box lives on the heap behind a guard: when its parent window is deleted
// while the box waits (the class window closing, say), the parent takes the box
// with it, and the answer must then be "dismissed", never the first button.
int runModal(CMessageBox *box)
{
    QPointer<CMessageBox> guard(box);
    const int result = box->exec();
    if (guard.isNull())
        return CMessageBox::kDismissed;
    delete box;
    return result;
}

} // namespace

int CDialogManager::twoButtonDialog(QWidget *parent, const QString &title, const QString &text,
                                    const QString &firstButtonText, const QString &secondButtonText,
                                    int countDownButton, int countDownSeconds)
{
    return runModal(new CMessageBox(parent, title, text, firstButtonText, secondButtonText, countDownButton,
                                    countDownSeconds));
}

int CDialogManager::oneButtonDialog(QWidget *parent, const QString &title, const QString &text,
                                    const QString &buttonText, int countDownSeconds)
{
    return runModal(new CMessageBox(parent, title, text, buttonText, QString(), 0, countDownSeconds));
}

int CDialogManager::showOneButtonDialog(QWidget *parent, const QString &title, const QString &text,
                                        const QString &buttonText, int countDownSeconds)
{
    auto *box = new CMessageBox(parent, title, text, buttonText, QString(), 0, countDownSeconds);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return 0;
}

int CDialogManager::toast(QWidget *parent, const QString &text, int ms, int position)
{
    if (text.isEmpty() || ms <= 0)
        return 0;
    auto *toast = new CToast(parent, text, ms, position);
    toast->setAttribute(Qt::WA_DeleteOnClose);
    toast->show();
    return 0;
}
