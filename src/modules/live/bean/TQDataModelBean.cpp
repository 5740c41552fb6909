#include "modules/live/bean/TQDataModelBean.h"

CourseDetailBean *TQDataModelBean::m_pOngoingCourse = nullptr;
