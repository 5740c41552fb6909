#include "utils/CustomLabel.h"

#include <QMouseEvent>

CustomLabel::CustomLabel(QWidget *parent)
    : QLabel(parent)
{
}

void CustomLabel::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit clicked();
}
