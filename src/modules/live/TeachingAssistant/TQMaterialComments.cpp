#include "modules/live/TeachingAssistant/TQMaterialComments.h"

TQMaterialComments::TQMaterialComments(QWidget *parent)
    : QWidget(parent)
{
}
