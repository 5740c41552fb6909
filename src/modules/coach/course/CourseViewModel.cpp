#include "modules/coach/course/CourseViewModel.h"

#include "modules/coach/course/CourseService.h"
#include "platform/http/ApiCall.h"

CourseViewModel::CourseViewModel(CourseService *service) : m_courseService(service) {}

void CourseViewModel::send(httpRequest *request, void (CourseViewModel::*onSuccess)(QJsonObject &))
{
    ApiCall::send(request, this, onSuccess, &CourseViewModel::handleFailure_slot);
}

void CourseViewModel::getNewCourseSchedules(const QString &periodStart, const QString &periodEnd)
{
    send(m_courseService->getNewCourseSchedules(periodStart, periodEnd),
         &CourseViewModel::handleGetNewCourseSchedulesSuccess_slot);
}

void CourseViewModel::getPastCourseSchedules(const QString &periodStart, const QString &periodEnd)
{
    send(m_courseService->getPastCourseSchedules(periodStart, periodEnd),
         &CourseViewModel::handleGetPastCourseSchedulesSuccess_slot);
}

void CourseViewModel::getNewCourseSchedulesForStudent(const QString &periodStart, const QString &periodEnd)
{
    send(m_courseService->schedulesForStudent(CourseService::kNewSchedulesForStudent, periodStart, periodEnd),
         &CourseViewModel::handleGetNewCourseSchedulesSuccessForStudent_slot);
}

void CourseViewModel::getPastCourseSchedulesForStudent(const QString &periodStart, const QString &periodEnd)
{
    send(m_courseService->schedulesForStudent(CourseService::kPastSchedulesForStudent, periodStart, periodEnd),
         &CourseViewModel::handleGetPastCourseSchedulesSuccessForStudent_slot);
}

void CourseViewModel::searchDataForStudent(const QString &nameOrID)
{
    send(m_courseService->searchProductList(nameOrID), &CourseViewModel::handleSearchDataSuccessForStudent_slot);
}

void CourseViewModel::requestBystander(const QString &courseScheduleID, int bystander)
{
    send(m_courseService->participateInCourse(courseScheduleID, bystander), &CourseViewModel::handleRequestBystander);
}

void CourseViewModel::getProductDetail(const QString &orgID, const QString &productIDs)
{
    send(m_courseService->getProductDetail(orgID, productIDs), &CourseViewModel::handleGetProductDetailSuccess_slot);
}

void CourseViewModel::getOrderForFree(const QString &productID, const QString &skuID)
{
    send(m_courseService->getPurchaseOrder(productID, skuID), &CourseViewModel::handleGetOrderForFreeSuccess_slot);
}

void CourseViewModel::handleGetPastCourseSchedulesSuccess_slot(QJsonObject &courseSchedules)
{
    emit getPastCourseSchedulesSuccess_signal(courseSchedules);
}

void CourseViewModel::handleGetNewCourseSchedulesSuccess_slot(QJsonObject &courseSchedules)
{
    emit getNewCourseSchedulesSuccess_signal(courseSchedules);
}

void CourseViewModel::handleGetPastCourseSchedulesSuccessForStudent_slot(QJsonObject &courseSchedules)
{
    emit getPastCourseSchedulesForStudentSuccess_signal(courseSchedules);
}

void CourseViewModel::handleGetNewCourseSchedulesSuccessForStudent_slot(QJsonObject &courseSchedules)
{
    emit getNewCourseSchedulesForStudentSuccess_signal(courseSchedules);
}

void CourseViewModel::handleFailure_slot(Failure &f)
{
    emit failure_signal(f);
}

void CourseViewModel::handleSearchDataSuccessForStudent_slot(QJsonObject &courseSchedules)
{
    emit searchDataSuccessForStudent_signal(courseSchedules);
}

void CourseViewModel::handleRequestBystander(QJsonObject &courseSchedules)
{
    emit requestBystander_signal(courseSchedules);
}

void CourseViewModel::handleGetProductDetailSuccess_slot(QJsonObject &responseForProductDetail)
{
    emit getProductDetailSuccess_singal(responseForProductDetail);
}

void CourseViewModel::handleGetOrderForFreeSuccess_slot(QJsonObject &responseForOrder)
{
    emit getOrderForFreeSuccess_singal(responseForOrder);
}
