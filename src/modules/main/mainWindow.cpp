#include "modules/main/mainWindow.h"

#include "base/dialog/CDialogManager.h"
#include "base/dialog/CMessageBox.h"
#include "modules/live/broadcast/LiveWindowFactory.h"
#include "modules/live/broadcast/TQLiveBroadCastActivity.h"
#include "common/CommonService.h"
#include "common/remoteconfig/RemoteConfigViewModel.h"
#include "common/uploadfile/UploadFileViewModel.h"
#include "modules/coach/course/CourseService.h"
#include "modules/coach/course/CourseViewModel.h"
#include "modules/login/LoginManager.h"
#include "modules/login/LoginViewModel.h"
#include "modules/login/TeacherInfoViewModel.h"
#include "modules/login/UserService.h"
#include "modules/record/TQVideoUploder.h"
#include "platform/http/ApiCall.h"
#include "platform/http/AppInfo.h"
#include "platform/http/httpRequest.h"
#include "utils/CCustomNetworkAccessManagerFactory.h"
#include "utils/CDataHelper.h"
#include "utils/CFileDownloadProgressDialog.h"
#include "utils/CFileDownloader.h"
#include "utils/FileUtils.h"
#include "utils/CHttpClient.h"
#include "utils/CLog.h"
#include "utils/CThreadWork.h"
#include "utils/GlobalConfig.h"
#include "utils/KV.h"
#include "utils/TimeUtils.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QJsonDocument>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickView>
#include <QResizeEvent>
#include <QTabletEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kManagementLoginPath = QStringLiteral("/commonweb/management/#/login?");
const QString kManagerSystemPath = QStringLiteral("/commonweb/edumanagement/veltro/service/");

// The week's list covers today and the six days after it.
constexpr int kWeekDays = 7;

// Sign-in lock-out: the service's wrong-password code, how many such
// failures lock the sign-in, for how long, and from which failure on the
// time of the last one is kept.
constexpr int kWrongPasswordCode = 10030;
constexpr int kLockOutCount = 10;
constexpr qint64 kLockOutSecs = 600;
constexpr int kLockOutFromCount = 3;

// Per-user key-value keys: the user id immediately followed by the name.
const char *const kAvailableOrgsKey = "key_avaliable_orgs";
const char *const kSelectedOrgIdKey = "key_selected_org_id";
const char *const kIgnoreVersionKey = "key_ignore_version";

// A second cache removal this soon after the first only repeats its toast.
constexpr qint64 kCacheRemovePauseMs = 60;

QString tag(const char *function)
{
    return QStringLiteral("%1 ").arg(QLatin1String(function));
}

std::string perUserKey(const char *name)
{
    return LoginManager::getUserID().toStdString() + name;
}

// A token never reaches the log; whether there was one does.
QString maskedSecret(const QString &secret)
{
    return secret.isEmpty() ? QString() : QStringLiteral("***");
}

QString compactJson(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace

mainWindow::mainWindow(QWidget *parent)
    : QWidget(parent)
    , m_loginErrorCount(int(LoginManager::getLoginErrorCount()))
{
}

mainWindow::~mainWindow()
{
    LoginManager::setLoginErrorCount(m_loginErrorCount);

    // A class still open is asked to close (its own confirmation and quit);
    // it is no longer ours to show us again.
    if (m_liveWindow) {
        disconnect(m_liveWindow, nullptr, this, nullptr);
        TQLiveBroadCastActivity *live = m_liveWindow;
        m_liveWindow = nullptr;
        live->close();
    }

    // The pages go first: their bindings read the objects below.
    delete m_viewContainer;
    m_viewContainer = nullptr;
    m_view = nullptr;
    m_networkFactory.reset();

    // Background jobs first: the log push uses the upload view model.
    qDeleteAll(findChildren<CThreadWork *>(QString(), Qt::FindDirectChildrenOnly));
    TQVideoUploder::instance()->release();

    // A request still under way only loses its receiver with these.
    m_courseViewModel.reset();
    m_courseService.reset();
    m_loginViewModel.reset();
    m_teacherInfoViewModel.reset();
    m_userService.reset();
    m_commonService.reset();
    m_uploadFileViewModel.reset();
    m_remoteConfigViewModel.reset();
    m_globalConfig.reset();
}

void mainWindow::init()
{
    LoginManager::loadCurrentUser();
    initView();
    initViewModels();
    // Its upgrade block arrives at handleUpgradeInfo_slot.
    m_remoteConfigViewModel->getRemoteConfig();
    checkLogin();
}

void mainWindow::initView()
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kWindowWidth, kWindowHeight);

    m_globalConfig = std::make_unique<GlobalConfig>(nullptr);

    m_view = new QQuickView();
    m_view->setColor(Qt::transparent);
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    m_networkFactory = std::make_unique<CCustomNetworkAccessManagerFactory>();
    m_view->engine()->setNetworkAccessManagerFactory(m_networkFactory.get());

    QQmlContext *context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("theMainWindow"), this);
    context->setContextProperty(QStringLiteral("hostName"), webAddress(true));
    context->setContextProperty(QStringLiteral("config"), m_globalConfig.get());
    m_view->setSource(QUrl(QStringLiteral("qrc:///Qml/main.qml")));
    for (const QQmlError &error : m_view->errors())
        CLog::error(error.toString(), tag("mainWindow::initView"));

    // The container owns the view; it follows the window's size.
    m_viewContainer = QWidget::createWindowContainer(m_view, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_viewContainer);
    m_viewContainer->resize(size());
    m_viewContainer->show();
    // Typing goes to the pages without a first click into them.
    m_viewContainer->setFocusPolicy(Qt::StrongFocus);
    m_viewContainer->setFocus();

    setWindowTitle(QStringLiteral("Veltro·教师端"));
}

void mainWindow::initViewModels()
{
    m_courseService = std::make_unique<CourseService>();
    m_courseViewModel = std::make_unique<CourseViewModel>(m_courseService.get());
    m_userService = std::make_unique<UserService>();
    m_loginViewModel = std::make_unique<LoginViewModel>(m_userService.get());
    m_teacherInfoViewModel = std::make_unique<TeacherInfoViewModel>(m_userService.get());
    m_commonService = std::make_unique<CommonService>();
    m_uploadFileViewModel = std::make_unique<UploadFileViewModel>(m_commonService.get(), m_courseService.get());
    m_remoteConfigViewModel = std::make_unique<RemoteConfigViewModel>(m_commonService.get(), m_userService.get(),
                                                                      m_courseService.get());

    CourseViewModel *course = m_courseViewModel.get();
    connect(course, &CourseViewModel::getPastCourseSchedulesSuccess_signal, this,
            &mainWindow::handleGetPastCourseListSuccess_slot);
    connect(course, &CourseViewModel::getNewCourseSchedulesSuccess_signal, this,
            &mainWindow::handleGetNewCourseListSuccess_slot);
    connect(course, &CourseViewModel::failure_signal, this, &mainWindow::failure_slot);
    // The "加载中..." overlay covers the course lists; a failed list must not
    // leave it swallowing every click.
    connect(course, &CourseViewModel::failure_signal, this, [this] { emit updateLoadingState_signal(false); });

    LoginViewModel *login = m_loginViewModel.get();
    connect(login, &LoginViewModel::failure_signal, this, &mainWindow::failure_slot);
    connect(login, &LoginViewModel::getVerifyCodeSuccess_signal, this, &mainWindow::getVerifyCodeSuccess_slot);
    connect(login, &LoginViewModel::loginSuccess_signal, this, &mainWindow::loginSuccess_slot);
    connect(login, &LoginViewModel::loginFailure_signal, this, &mainWindow::loginFailure_slot);

    TeacherInfoViewModel *teacher = m_teacherInfoViewModel.get();
    connect(teacher, &TeacherInfoViewModel::failure_signal, this, &mainWindow::failure_slot);
    connect(teacher, &TeacherInfoViewModel::getLectureInfoSuccess_signal, this,
            &mainWindow::getLectureInfoSuccess_slot);
    connect(teacher, &TeacherInfoViewModel::getUserAccouintSuccess_signal, this,
            &mainWindow::getUserAccountSuccess_slot);

    UploadFileViewModel *upload = m_uploadFileViewModel.get();
    connect(upload, &UploadFileViewModel::failure_signal, this, &mainWindow::failure_slot);
    connect(upload, &UploadFileViewModel::pushCourseLogSuccess, this, &mainWindow::pushCourseLogSuccess_slot);

    RemoteConfigViewModel *remote = m_remoteConfigViewModel.get();
    connect(remote, &RemoteConfigViewModel::getRemoteConfigSuccess_signal, this,
            &mainWindow::getRemoteConfigSuccess_slot);
    connect(remote, &RemoteConfigViewModel::getLiveConfigSuccess_signal, this, &mainWindow::getLiveConfigSuccess_slot);
    connect(remote, &RemoteConfigViewModel::getLiveConfigFailure_signal, this, &mainWindow::getLiveConfigFailure_slot);
    connect(remote, &RemoteConfigViewModel::upgradeInfoComming_signal, this, &mainWindow::handleUpgradeInfo_slot);
}

void mainWindow::checkLogin()
{
    if (LoginManager::isLogin()) {
        CLog::printf("mainWindow::checkLogin try to login by token %s, %s", qPrintable(LoginManager::getUserID()),
                     qPrintable(maskedSecret(LoginManager::getToken())));
        m_userLogin = false;
        emit updateLoadingState_signal(true, QStringLiteral("登录中..."));
        m_loginViewModel->loginByToken(LoginManager::getMobilePhone(), LoginManager::getUserID(),
                                       LoginManager::getToken());
        return;
    }
    CLog::printf("mainWindow::checkLogin phonenumber %s, userID %s, token %s",
                 qPrintable(LoginManager::getMobilePhone()), qPrintable(LoginManager::getUserID()),
                 qPrintable(maskedSecret(LoginManager::getToken())));
}

QPair<QString, QString> mainWindow::weekSchedulePeriod()
{
    // Counted in calendar days: across a daylight-saving change a fixed
    // number of seconds would end the week an hour early or late.
    const QDate today = currentDateTime().date();
    const QString dateFormat = QStringLiteral("yyyy-MM-dd");
    return {today.toString(dateFormat) + QStringLiteral(" 00:00:00"),
            today.addDays(kWeekDays - 1).toString(dateFormat) + QStringLiteral(" 23:59:59")};
}

QString mainWindow::webAddress(bool plain)
{
    const QString host = GlobalConfig::webHost();
    if (host.contains(QLatin1String("://")))
        return host;
    return (plain ? QStringLiteral("http://") : QStringLiteral("https://")) + host;
}

void mainWindow::initCourseScheduleList()
{
    const QPair<QString, QString> period = weekSchedulePeriod();
    m_courseViewModel->getNewCourseSchedules(period.first, period.second);
    // The server chooses the range of the finished ones.
    m_courseViewModel->getPastCourseSchedules(QString(), QString());
}

void mainWindow::handleGetNewCourseListSuccess_slot(QJsonObject &reply)
{
    emit undergoingCourseListUpdated_signal(
        ApiCall::returnResult(reply).value(QLatin1String("course_schedules")).toArray());
}

void mainWindow::handleGetPastCourseListSuccess_slot(QJsonObject &reply)
{
    emit finisedCourseListUpdated_signal(
        ApiCall::returnResult(reply).value(QLatin1String("course_schedules")).toArray());
}

void mainWindow::failure_slot(Failure &f)
{
    toast(f.getMessageForUser());
}

void mainWindow::gotoVideoWindow(int courseID, int courseScheduleID, int type)
{
    if (m_liveWindow) {
        toast(QStringLiteral("请先退出进行中课程"));
        return;
    }
    m_liveWindow = LiveWindowFactory::create(courseID, courseScheduleID);
    m_liveWindow->start(type);
    connect(m_liveWindow, &TQLiveBroadCastActivity::closed, this, &mainWindow::videoWindowClosed);
    m_liveWindow->show();
    hide();
}

void mainWindow::videoWindowClosed()
{
    // The class window deletes itself.
    m_liveWindow = nullptr;
    show();
    m_cacheItemCount = -1;
}

void mainWindow::setLeftDragWidth(int width)
{
    m_leftDragWidth = width;
}

void mainWindow::quit()
{
    CLog::printf("mainWindow::quit exit");
    close();
}

void mainWindow::gotoLoginWindow()
{
    emit goToLoginWindow_signal();
}

void mainWindow::logout()
{
    LoginManager::cleanLoginInfo();
    gotoLoginWindow();
}

void mainWindow::setContentSize(int width, int height)
{
    setMinimumSize(width, height);
}

void mainWindow::toast(const QString &toastInfo)
{
    CDialogManager::toast(this, toastInfo, kToastMs);
}

void mainWindow::goToCreateCourse()
{
    openManagementPage(QStringLiteral("createCourse"));
}

void mainWindow::goToUploadMaterial()
{
    openManagementPage(QStringLiteral("uploadMaterial"));
}

void mainWindow::goToManagerSystem()
{
    openInBrowser(webAddress() + kManagerSystemPath);
}

void mainWindow::openManagementPage(const QString &target)
{
    const QMap<QString, QString> query{{QStringLiteral("mobilePhone"), LoginManager::getMobilePhone()},
                                       {QStringLiteral("t"), target}};
    openInBrowser(webAddress() + kManagementLoginPath + CHttpClient::buildQueryString(query));
}

void mainWindow::openInBrowser(const QString &url)
{
    if (!QDesktopServices::openUrl(QUrl(url)))
        CLog::error(QStringLiteral("open %1 failed").arg(url), tag("mainWindow::openInBrowser"));
}

void mainWindow::getVerificationCode(const QString &phoneNumber)
{
    if (CDataHelper::checkPhone(phoneNumber) != CDataHelper::kCheckValid) {
        toast(QStringLiteral("手机号错误"));
        return;
    }
    m_loginViewModel->getVerificationCode(phoneNumber);
}

void mainWindow::getVerifyCodeSuccess_slot(int forLogin)
{
    m_forLogin = forLogin;
    if (forLogin != 0) {
        emit verificationCodeGetted();
        return;
    }
    CDialogManager::toast(nullptr, QStringLiteral("请先用移动端进行注册"), kToastMs);
    emit needRegister_signal();
}

bool mainWindow::login(const QString &phoneNumber, const QString &verificationCode, const QString &password)
{
    const qint64 nowSecs = currentTimeMillis() / 1000;
    const qint64 last = LoginManager::getLastLoginErrorTime();
    const qint64 elapsed = nowSecs - last;
    if (elapsed < kLockOutSecs && m_loginErrorCount >= kLockOutCount) {
        toast(QStringLiteral("你已经连续10次密码输入错误，请等待%1分钟后再次尝试").arg(10 - elapsed / 60));
        return false;
    }
    if (last > 0 && nowSecs - last > kLockOutSecs) {
        m_loginErrorCount = 0;
        LoginManager::setLastLoginErrorTime(0);
    }
    if (CDataHelper::checkPhone(phoneNumber) != CDataHelper::kCheckValid) {
        toast(QStringLiteral("手机号错误"));
        return false;
    }
    if (password.isEmpty() && CDataHelper::checkVerifyCode(verificationCode) != CDataHelper::kCheckValid) {
        toast(QStringLiteral("验证码错误"));
        return false;
    }
    m_userLogin = true;
    if (!verificationCode.isEmpty())
        m_loginViewModel->loginByVerificationCode(phoneNumber, verificationCode);
    else
        m_loginViewModel->loginByPassword(phoneNumber, password);
    return true;
}

void mainWindow::loginFailure_slot(Failure &f)
{
    toast(f.getMessageForUser());
    if (f.getCode() == kWrongPasswordCode) {
        ++m_loginErrorCount;
        CLog::printf("fail_slot error count = %d", m_loginErrorCount);
        if (m_loginErrorCount >= kLockOutFromCount)
            LoginManager::setLastLoginErrorTime(currentTimeMillis() / 1000);
    }
    emit loginFailure_signal();
}

void mainWindow::loginSuccess_slot()
{
    const QString logTag = tag("mainWindow::loginSuccess_slot");
    CLog::log(QStringLiteral("mainWindow::loginSuccess_slot userID=%1 build at %2 %3")
                  .arg(LoginManager::getUserID(), QStringLiteral(__DATE__), QStringLiteral(__TIME__)),
              logTag);
    if (!initOrgs()) {
        CLog::log(QStringLiteral("initOrgs failed"), logTag);
        // The teacher signs in on the page, which the overlay must not cover.
        emit updateLoadingState_signal(false);
        return;
    }
    m_remoteConfigViewModel->getLiveConfig();
    initCourseScheduleList();
    m_teacherInfoViewModel->getUserAccount();
    m_teacherInfoViewModel->getLectureInfo();

    // Packs the logs and dumps and pushes them; ends by itself and is
    // deleted then, or with this window.
    auto *logPush = new CThreadWork();
    logPush->setParent(this);
    logPush->setUploadViewModel(m_uploadFileViewModel.get());
    connect(logPush, &QThread::finished, logPush, &QObject::deleteLater);
    logPush->start(QThread::InheritPriority);

    // Recordings of earlier classes that still wait go up now.
    TQVideoUploder::instance()->checkUploadVideo(-1);

    const AccountEntity *account = LoginManager::getCurrentUser();
    emit loginSuccess_signal(account ? account->accountDetails.toLoginUserJson() : QJsonObject());
}

bool mainWindow::initOrgs()
{
    const QString logTag = tag("mainWindow::initOrgs");
    const AccountEntity *account = LoginManager::getCurrentUser();
    const UserEntity user = account ? account->accountDetails : UserEntity();
    const std::string orgsKey = perUserKey(kAvailableOrgsKey);
    const std::string selectedKey = perUserKey(kSelectedOrgIdKey);

    QJsonArray orgs;
    if (m_userLogin) {
        orgs = user.orgsToJson();
        KV::setJsonValue(orgsKey, orgs);
        CLog::log(QStringLiteral("get orgs from login %1").arg(compactJson(orgs)), logTag);
    } else {
        orgs = KV::getJsonValue(orgsKey).toArray();
        CLog::log(QStringLiteral("get orgs from database %1").arg(compactJson(orgs)), logTag);
    }

    int curOrgID = -1;
    const QString selected = KV::get(selectedKey);
    bool isNumber = false;
    const int selectedID = selected.toInt(&isNumber);
    // A stored choice that is no id is no choice.
    if (!selected.isEmpty() && isNumber && selectedID >= 0) {
        AppInfo::setOrgId(selected);
        curOrgID = selectedID;
        CLog::log(QStringLiteral("get selected org id %1").arg(selected), logTag);
    } else {
        // Until this teacher chooses, no request may carry the organisation
        // of whoever signed in before.
        AppInfo::setOrgId(QString());
    }

    if (!m_userLogin && curOrgID < 0) {
        CLog::log(QStringLiteral("no orgs update, no org id, need login again"), logTag);
        return false;
    }

    if (user.individual != 0 && orgs.isEmpty()) {
        curOrgID = 0;
        KV::set(selectedKey, QStringLiteral("0"));
        AppInfo::setOrgId(QStringLiteral("0"));
        CLog::log(QStringLiteral("no orgs, get default org id %1").arg(curOrgID), logTag);
    }

    if (curOrgID == 0) {
        emit initOrgRoleName_signal(QString(), QString());
    } else if (curOrgID > 0) {
        QString orgName;
        QString roleNames;
        for (const QJsonValue &value : qAsConst(orgs)) {
            const QJsonObject org = value.toObject();
            if (CDataHelper::jsonValueToInt(org.value(QLatin1String("org_id"))) != curOrgID)
                continue;
            orgName = CDataHelper::jsonValueToString(org.value(QLatin1String("org_name")));
            roleNames = orgRoleText(org);
            break;
        }
        emit initOrgRoleName_signal(orgName, roleNames);
    }

    emit initOrgs_signal(orgs, curOrgID, user.individual);
    return true;
}

QString mainWindow::orgRoleText(const QJsonObject &org) const
{
    QStringList names;
    const QJsonArray roles = org.value(QLatin1String("roles")).toArray();
    for (const QJsonValue &role : roles)
        names << CDataHelper::jsonValueToString(role.toObject().value(QLatin1String("role_name")));
    return names.join(QLatin1Char('/'));
}

void mainWindow::setSelectedOrgID(int orgID, const QString &orgName, const QString &orgRoleName)
{
    const QString id = QStringLiteral("%1").arg(orgID);
    KV::set(perUserKey(kSelectedOrgIdKey), id);
    AppInfo::setOrgId(id);
    emit initOrgRoleName_signal(orgName, orgRoleName);
}

void mainWindow::getLectureInfoSuccess_slot(QJsonObject &)
{
}

void mainWindow::getUserAccountSuccess_slot(QJsonObject &)
{
}

void mainWindow::pushCourseLogSuccess_slot(QJsonObject &)
{
}

void mainWindow::getRemoteConfigSuccess_slot(QJsonObject &)
{
}

void mainWindow::getLiveConfigSuccess_slot(QJsonObject &)
{
}

void mainWindow::getLiveConfigFailure_slot(Failure &f)
{
    toast(f.getMessageForUser());
}

void mainWindow::handleUpgradeInfo_slot(UpgradeInfo *info)
{
    if (!info)
        return;
    // A copy: the record behind the pointer is replaced by the next
    // configuration reply, which may arrive while a box below waits.
    const UpgradeInfo upgrade = *info;
    CLog::printf("mainWindow::handleUpgradeInfo_slot upgrade info %s",
                 QJsonDocument(upgrade.toJson()).toJson(QJsonDocument::Compact).constData());
    AppInfo::setVersionCode(upgrade.upgradeCode);

    const QString ownVersion = AppInfo::getAppVersion();
    const std::pair<bool, bool> check = upgrade.checkUpgrade(ownVersion);
    const bool needUpgrade = check.first;
    const bool forced = check.second;
    const UpgradeContent &content = upgrade.upgradeContent;
    emit setCurrentVersion_signal(content.apkUrl, upgrade.currentVersion, ownVersion, needUpgrade);
    if (!needUpgrade)
        return;

    const QString text = content.content + QStringLiteral("\r\n") + content.packageSize;
    // The boxes run a nested event loop in which this window may be closed.
    QPointer<mainWindow> self(this);
    if (forced) {
        const int answer = CDialogManager::twoButtonDialog(this, content.title, text, QStringLiteral("前往升级"),
                                                           QStringLiteral("退出"));
        if (!self)
            return;
        // Dismissed, the box of a forced upgrade leaves no other way on than
        // the upgrade: this version may no longer be used.
        if (answer == 0 || answer == CMessageBox::kDismissed)
            downloadUpgradeProgram(content.apkUrl);
        else if (answer == 1)
            close();
        return;
    }

    emit hasUpgrade_signal(upgrade.toJson());
    const std::string ignoreKey = perUserKey(kIgnoreVersionKey);
    const QString ignored = KV::get(ignoreKey);
    if (!ignored.isEmpty() && !CDataHelper::isVersion2Bigger(ignored, upgrade.currentVersion))
        return;
    const int answer = CDialogManager::twoButtonDialog(this, content.title, text, QStringLiteral("前往升级"),
                                                       QStringLiteral("忽略此版本"));
    if (!self)
        return;
    // Dismissed, it is asked again at the next start.
    if (answer == 0)
        downloadUpgradeProgram(content.apkUrl);
    else if (answer == 1)
        KV::set(ignoreKey, upgrade.currentVersion);
}

void mainWindow::goToDownloadPackage(const QString &fileUrl)
{
    if (fileUrl.isEmpty()) {
        // Without a package address a download could only fail and end the
        // program; the service's site offers the installer instead.
        CLog::error(QStringLiteral("no installer address"), tag("mainWindow::goToDownloadPackage"));
        openInBrowser(httpRequest::getHost());
        return;
    }
    downloadUpgradeProgram(fileUrl);
}

void mainWindow::downloadUpgradeProgram(const QString &fileUrl)
{
    QString url = fileUrl;
    const QString path = FileUtils::getInstallerPath();
    CLog::printf("exePath = %s", path.toUtf8().constData());
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        CLog::error(QStringLiteral("remove %1 failed").arg(path), tag("mainWindow::downloadUpgradeProgram"));
        // A fresh cache name; an address with a query gets one more field.
        url += (url.contains(QLatin1Char('?')) ? QStringLiteral("&t=") : QStringLiteral("?t="))
               + currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
    }
    // The installer is always fetched again, never taken from the cache.
    const QString cached = CFileDownloader::getDownloadedFile(url);
    if (!cached.isEmpty())
        FileUtils::deleteFile(cached);

    emit upgradeDownloading_signal(true);
    if (m_downloadDialog)
        m_downloadDialog->deleteLater();
    m_downloadDialog = new CFileDownloadProgressDialog(this);
    connect(m_downloadDialog, &CFileDownloadProgressDialog::filedownloader_downloaded_signal, this,
            &mainWindow::handleUpgradeProgramDownloaded_slot);
    m_downloadDialog->downloadUrl(url, QStringLiteral("下载中..."));
}

void mainWindow::handleUpgradeProgramDownloaded_slot(const QString &fileUrl)
{
    emit upgradeDownloading_signal(false);
    const QString logTag = tag("mainWindow::handleUpgradeProgramDownloaded_slot");
    const QString downloaded = CFileDownloader::getDownloadedFile(fileUrl);
    if (downloaded.isEmpty()) {
        giveUpUpgrade(QStringLiteral("下载安装程序失败，请前往官网下载安装升级"));
        return;
    }

    const QString path = FileUtils::getInstallerPath();
    QFile::remove(path);
    // The installer must be executable to be started.
    const bool copied = QFile::copy(downloaded, path)
                        && QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner
                                                           | QFileDevice::ExeUser);
    if (!copied) {
        CLog::error(QStringLiteral("copy %1 to %2 failed").arg(downloaded, path), logTag);
        giveUpUpgrade(QStringLiteral("安装程序执行失败，请前往官网下载安装升级"));
        return;
    }
    FileUtils::deleteFile(downloaded);

    bool started = QProcess::startDetached(path, QStringList());
    CLog::debug(QStringLiteral("start %1 return %2").arg(path).arg(started ? 1 : 0), logTag);
    if (started) {
        close();
        return;
    }

    QPointer<mainWindow> self(this);
    const int answer = CDialogManager::twoButtonDialog(this, QString(),
                                                       QStringLiteral("安装程序执行失败，请重试或前往官网下载安装升级"),
                                                       QStringLiteral("重试"), QStringLiteral("前往官网"));
    if (!self)
        return;
    if (answer == 0) {
        started = QProcess::startDetached(path, QStringList());
        CLog::debug(QStringLiteral("start %1 return %2").arg(path).arg(started ? 1 : 0), logTag);
        if (!started) {
            giveUpUpgrade(QStringLiteral("安装程序执行失败，请前往官网下载安装升级"));
            return;
        }
    } else if (answer == 1 || answer == CMessageBox::kDismissed) {
        // Dismissing the box leaves the same way as "前往官网": the upgrade
        // that was asked for cannot be skipped here either.
        openInBrowser(httpRequest::getHost());
    }
    close();
}

void mainWindow::giveUpUpgrade(const QString &text)
{
    QPointer<mainWindow> self(this);
    CDialogManager::oneButtonDialog(this, QString(), text, QStringLiteral("确定"));
    if (!self)
        return;
    openInBrowser(httpRequest::getHost());
    close();
}

QString mainWindow::cacheSizeText(qint64 size)
{
    constexpr qint64 kMiB = 1024 * 1024;
    // Single precision, as the size has always been shown.
    if (size > kMiB)
        return QString::number(float(size) / float(kMiB), 'f', 2) + QStringLiteral("Mb");
    return QString::number(float(size) / 1024.0f, 'f', 2) + QStringLiteral("Kb");
}

void mainWindow::getCacheSize()
{
    // A finished count stays until a class closes; one count at a time.
    if (m_cacheItemCount >= 0 || m_cacheWork)
        return;
    m_cacheWork = startCacheWork();
    connect(m_cacheWork, &CThreadWork::calculateFloderSizeProgress_signal, this,
            &mainWindow::getCacheSizeProgress_slot);
    m_cacheWork->calculateFloderSize(FileUtils::getCacheDirs());
}

void mainWindow::getCacheSizeProgress_slot(const QString &floderPath, int calculatedItemCount, qint64 size,
                                           bool isEnd)
{
    if (isEnd)
        m_cacheItemCount = calculatedItemCount;
    const QString sizeText = cacheSizeText(size);
    CLog::log(QStringLiteral("progress:path:%1,itemCoutn:%2,size:%3,isEnd?%4")
                  .arg(floderPath)
                  .arg(calculatedItemCount)
                  .arg(size)
                  .arg(isEnd ? 1 : 0),
              tag("mainWindow::getCacheSizeProgress_slot"));
    emit updateCacheSize_signal(floderPath, sizeText, isEnd);
}

void mainWindow::removeCache()
{
    const qint64 now = currentTimeMillis();
    if (now - m_lastCacheRemoveTime < kCacheRemovePauseMs) {
        toast(QStringLiteral("缓存已清除"));
        return;
    }
    m_lastCacheRemoveTime = now;
    if (m_cacheItemCount < 1 || m_cacheWork)
        return;
    m_cacheWork = startCacheWork();
    connect(m_cacheWork, &CThreadWork::removeFloderProgress_signal, this, &mainWindow::removeCacheProgress_slot);
    m_cacheWork->removeFloders(FileUtils::getCacheDirs());
}

void mainWindow::removeCacheProgress_slot(const QString &floderPath, int removedItemCount, bool isEnd)
{
    const QString text = removedItemCount < m_cacheItemCount
                             ? QStringLiteral("%1/%2").arg(removedItemCount).arg(m_cacheItemCount)
                             : QStringLiteral("...");
    emit updateCacheSize_signal(floderPath, text, isEnd);
    if (isEnd) {
        m_cacheItemCount = 0;
        toast(QStringLiteral("缓存已清除"));
    }
}

CThreadWork *mainWindow::startCacheWork()
{
    // Ends by itself and is deleted then, or with this window; its
    // progress, queued before it ended, still arrives.
    auto *work = new CThreadWork();
    work->setParent(this);
    connect(work, &QThread::finished, work, &QObject::deleteLater);
    return work;
}

void mainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit windowResized_signal(event->size().width(), event->size().height());
}

void mainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void mainWindow::tabletEvent(QTabletEvent *event)
{
    qDebug() << "table event" << event->type();
    event->accept();
}
