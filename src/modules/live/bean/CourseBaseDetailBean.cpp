#include "modules/live/bean/CourseBaseDetailBean.h"

CourseBaseDetailBean::CourseBaseDetailBean(QObject *parent)
    : QObject(parent)
{
}

CourseBaseDetailBean::~CourseBaseDetailBean() = default;
