#pragma once

#include "common/remoteconfig/UpgradeInfo.h"
#include "modules/main/CoursePageModel.h"
#include "platform/http/Failure.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class CCustomNetworkAccessManagerFactory;
class CFileDownloadProgressDialog;
class CThreadWork;
class CommonService;
class CourseService;
class CourseViewModel;
class GlobalConfig;
class LoginViewModel;
class QQuickView;
class RemoteConfigViewModel;
class TQLiveBroadCastActivity;
class TeacherInfoViewModel;
class UploadFileViewModel;
class UserService;

// The one top-level window outside a class. It hosts the Qt Quick view of
// "qrc:///Qml/main.qml" (sign-in, course lists and the pages around them),
// owns the services and view models those pages need, turns their results
// into signals for QML and offers QML its invokables as "theMainWindow".
// It opens at most one class window and hides itself while that is open.
// Deletes itself when closed.
class mainWindow : public QWidget
{
    Q_OBJECT
    // The course lists the course page draws.
    Q_PROPERTY(CoursePageModel *courseLists READ courseLists CONSTANT)

public:
    static constexpr int kToastMs = 3000;
    static constexpr int kWindowWidth = 1000;
    static constexpr int kWindowHeight = 600;

    explicit mainWindow(QWidget *parent = nullptr);
    ~mainWindow() override;

    // Current user, view, view models, remote configuration, token sign-in.
    virtual void init();
    virtual void initView();
    virtual void initViewModels();

    // Today 00:00:00 local time and 6 days 23:59:59 later, as the week's
    // schedule request sends them ("yyyy-MM-dd hh:mm:ss").
    static QPair<QString, QString> weekSchedulePeriod();
    // The service's web address with its scheme: https unless the setting
    // names one; `plain` gives http instead.
    static QString webAddress(bool plain = false);

    CoursePageModel *courseLists() { return &m_courseLists; }
    QQuickView *quickView() const { return m_view; }
    TQLiveBroadCastActivity *liveWindow() const { return m_liveWindow; }
    int cacheItemCount() const { return m_cacheItemCount; }
    // "12.35Mb" above one MiB, else "0.50Kb".
    static QString cacheSizeText(qint64 size);

    Q_INVOKABLE void setLeftDragWidth(int width);
    Q_INVOKABLE void quit();
    Q_INVOKABLE void gotoLoginWindow();
    Q_INVOKABLE void logout();
    Q_INVOKABLE virtual void gotoVideoWindow(int courseID, int courseScheduleID, int type = 0);
    Q_INVOKABLE virtual void initCourseScheduleList();
    Q_INVOKABLE void getVerificationCode(const QString &phoneNumber);
    // True when a sign-in request went out (the page then waits for its answer).
    Q_INVOKABLE bool login(const QString &phoneNumber, const QString &verificationCode, const QString &password);
    Q_INVOKABLE void setContentSize(int width, int height);
    Q_INVOKABLE void goToDownloadPackage(const QString &fileUrl);
    Q_INVOKABLE void goToCreateCourse();
    Q_INVOKABLE void goToUploadMaterial();
    Q_INVOKABLE void toast(const QString &toastInfo);
    Q_INVOKABLE void goToManagerSystem();
    // The role names of an organisation of the sign-in reply, joined with "/".
    Q_INVOKABLE QString orgRoleText(const QJsonObject &org) const;
    Q_INVOKABLE void setSelectedOrgID(int orgID, const QString &orgName, const QString &orgRoleName);
    Q_INVOKABLE void getCacheSize();
    Q_INVOKABLE void removeCache();

signals:
    void windowResized_signal(int w, int h);
    void undergoingCourseListUpdated_signal(QJsonArray ja);
    void finisedCourseListUpdated_signal(QJsonArray ja);
    void verificationCodeGetted();
    void loginSuccess_signal(QJsonObject mainUser);
    void loginFailure_signal();
    void goToLoginWindow_signal();
    void hasUpgrade_signal(QJsonObject joUpgradeInfo);
    void setCurrentVersion_signal(QString apkUrl, QString newVersion, QString currentVersion, bool needUpgrade);
    void upgradeDownloading_signal(bool isDownloading);
    void needRegister_signal();
    void initOrgs_signal(QJsonArray orgs, int curOrgID, int individual);
    void initOrgRoleName_signal(QString orgName, QString roleName);
    void updateCacheSize_signal(QString curFloderPath, QString size, bool isEnd);
    void updateLoadingState_signal(bool showLoading, QString loadingText = QString());

public slots:
    void handleGetNewCourseListSuccess_slot(QJsonObject &reply);
    void handleGetPastCourseListSuccess_slot(QJsonObject &reply);
    void failure_slot(Failure &f);
    void videoWindowClosed();
    void getVerifyCodeSuccess_slot(int forLogin);
    void loginSuccess_slot();
    void loginFailure_slot(Failure &f);
    void getLectureInfoSuccess_slot(QJsonObject &reply);
    void getUserAccountSuccess_slot(QJsonObject &reply);
    void pushCourseLogSuccess_slot(QJsonObject &reply);
    void getRemoteConfigSuccess_slot(QJsonObject &reply);
    void getLiveConfigSuccess_slot(QJsonObject &reply);
    void getLiveConfigFailure_slot(Failure &f);
    void handleUpgradeInfo_slot(UpgradeInfo *info);
    void handleUpgradeProgramDownloaded_slot(const QString &fileUrl);
    void getCacheSizeProgress_slot(const QString &floderPath, int calculatedItemCount, qint64 size, bool isEnd);
    void removeCacheProgress_slot(const QString &floderPath, int removedItemCount, bool isEnd);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void tabletEvent(QTabletEvent *event) override;

private:
    void checkLogin();
    bool initOrgs();
    void openInBrowser(const QString &url);
    // Fetches the installer afresh into the cache; the window is blocked
    // until handleUpgradeProgramDownloaded_slot.
    void downloadUpgradeProgram(const QString &fileUrl);
    // Says why the upgrade failed, offers the service's site, and ends.
    void giveUpUpgrade(const QString &text);
    // A background worker of this window for the cache jobs.
    CThreadWork *startCacheWork();
    // The management site's sign-in page that leads to `target`.
    void openManagementPage(const QString &target);

    QQuickView *m_view = nullptr; // owned by its window container
    QWidget *m_viewContainer = nullptr;
    int m_leftDragWidth = 0;
    int m_forLogin = 0;
    TQLiveBroadCastActivity *m_liveWindow = nullptr; // deletes itself
    std::unique_ptr<CommonService> m_commonService;
    std::unique_ptr<CourseViewModel> m_courseViewModel;
    std::unique_ptr<CourseService> m_courseService;
    std::unique_ptr<UserService> m_userService;
    std::unique_ptr<LoginViewModel> m_loginViewModel;
    std::unique_ptr<TeacherInfoViewModel> m_teacherInfoViewModel;
    std::unique_ptr<UploadFileViewModel> m_uploadFileViewModel;
    std::unique_ptr<RemoteConfigViewModel> m_remoteConfigViewModel;
    CFileDownloadProgressDialog *m_downloadDialog = nullptr; // child
    QPointer<CThreadWork> m_cacheWork; // child; the cache job under way
    std::unique_ptr<GlobalConfig> m_globalConfig;
    // The engine of the pages uses it but does not own it; it goes after them.
    std::unique_ptr<CCustomNetworkAccessManagerFactory> m_networkFactory;
    int m_loginErrorCount = 0;
    bool m_userLogin = false;
    int m_cacheItemCount = -1;
    qint64 m_lastCacheRemoveTime = 0;
    CoursePageModel m_courseLists;
};
