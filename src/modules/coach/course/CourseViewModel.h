#pragma once

#include "platform/http/Failure.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class CourseService;
class httpRequest;

// The teacher's two course schedule lists for the main window: the new
// (unfinished) and the past (finished) ones, each as its first page. Every
// reply is passed on whole ({"statusCode", "errorMsg", "returnResult"}), in
// the order the replies arrive; both lists share one failure signal.
class CourseViewModel : public QObject
{
    Q_OBJECT

public:
    // `service` is not owned and must outlive this object.
    explicit CourseViewModel(CourseService *service);

    // Page 1, 20 per page.
    void getNewCourseSchedules(const QString &periodStart, const QString &periodEnd);
    // Page 1, 5 per page.
    void getPastCourseSchedules(const QString &periodStart, const QString &periodEnd);

    // The student's lists, the product search and orders: nothing in the
    // teacher's client calls them.
    void getNewCourseSchedulesForStudent(const QString &periodStart, const QString &periodEnd);
    void getPastCourseSchedulesForStudent(const QString &periodStart, const QString &periodEnd);
    void searchDataForStudent(const QString &nameOrID);
    void requestBystander(const QString &courseScheduleID, int bystander);
    void getProductDetail(const QString &orgID, const QString &productIDs);
    void getOrderForFree(const QString &productID, const QString &skuID);

signals:
    void failure_signal(Failure &f);
    void searchDataSuccessForStudent_signal(QJsonObject &responseForSearchData);
    void requestBystander_signal(QJsonObject &bystanderJson);
    void getPastCourseSchedulesSuccess_signal(QJsonObject &finishedCourseSchedules);
    void getNewCourseSchedulesSuccess_signal(QJsonObject &unfinishedCourseSchedules);
    void getPastCourseSchedulesForStudentSuccess_signal(QJsonObject &finishedCourseSchedules);
    void getNewCourseSchedulesForStudentSuccess_signal(QJsonObject &unfinishedCourseSchedules);
    void getProductDetailSuccess_singal(QJsonObject &responseForProductDetail);
    void getOrderForFreeSuccess_singal(QJsonObject &responseForOrder);

public slots:
    void handleGetPastCourseSchedulesSuccess_slot(QJsonObject &courseSchedules);
    void handleGetNewCourseSchedulesSuccess_slot(QJsonObject &courseSchedules);
    void handleGetPastCourseSchedulesSuccessForStudent_slot(QJsonObject &courseSchedules);
    void handleGetNewCourseSchedulesSuccessForStudent_slot(QJsonObject &courseSchedules);
    void handleFailure_slot(Failure &f);
    void handleSearchDataSuccessForStudent_slot(QJsonObject &courseSchedules);
    void handleRequestBystander(QJsonObject &courseSchedules);
    void handleGetProductDetailSuccess_slot(QJsonObject &responseForProductDetail);
    void handleGetOrderForFreeSuccess_slot(QJsonObject &responseForOrder);

private:
    void send(httpRequest *request, void (CourseViewModel::*onSuccess)(QJsonObject &));

    CourseService *m_courseService;
};
