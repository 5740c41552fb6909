// The sign-in page and the organisation page of the main window, driven by
// clicks and key presses on the offscreen platform against the stand-in
// service: the code count-down, the two sign-in modes, the first choice of an
// organisation, its restore after a restart and the change from the menu.
#include "MainWindowProbe.h"
#include "ServiceFixtures.h"
#include "StandInService.h"
#include "TestPictures.h"
#include "TopLevelWidgets.h"

#include "base/dialog/CToast.h"
#include "modules/login/LoginManager.h"
#include "modules/main/mainWindow.h"
#include "platform/http/AppInfo.h"
#include "utils/KV.h"
#include "utils/TextMetrics.h"

#include <QPointer>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

using namespace MainWindowProbe;

namespace {

const QString kSendCode = QStringLiteral("biz_mv/edu/user/sendVerificationCode");
const QString kLoginCheck = QStringLiteral("biz_mv/edu/user/loginCheck");
const QString kScheduleList = QStringLiteral("biz_mv/edu/v3/courses/getCourseSchedulesForLecturer");
const QString kFirstOrg = QStringLiteral("星光教育: 主讲老师");
const QString kSecondOrg = QStringLiteral("晨曦学堂: 主讲老师/教务");

bool hasActiveFocus(mainWindow *window, const QString &name)
{
    QQuickItem *found = item(window, name);
    return found && found->hasActiveFocus();
}

// The entry of that organisation id on the organisation page.
QQuickItem *roleEntry(mainWindow *window, int orgID)
{
    return item(window, QStringLiteral("roleEntry_%1").arg(orgID));
}

// True when the entry shows the select tag.
bool entrySelected(mainWindow *window, int orgID)
{
    QQuickItem *tag = item(roleEntry(window, orgID), QStringLiteral("roleSelectTag"));
    return tag && tag->isVisible();
}

// The "orgID" form values of the list requests received so far.
QStringList listOrgIDs(const StandInService &service)
{
    QStringList ids;
    for (const StandInService::Request &request : service.requestsTo(kScheduleList))
        ids << request.formValue(QStringLiteral("orgID"));
    return ids;
}

void typeInto(mainWindow *window, const QString &name, const QString &text)
{
    click(window, item(window, name));
    for (const QChar c : text)
        QTest::keyClick(window->quickView(), c.toLatin1());
}

} // namespace

class TestSignInPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void signInPageAndModeSwitch();
    void codeCountDown();
    void codeRefused_data();
    void codeRefused();
    void signInModes_data();
    void signInModes();
    void individualTeacherWithoutOrganisations();
    void firstChoiceThenRestart();
    void individualTeacherChoosesToWorkAlone();
    void changeOrganisation();

private:
    // A window over the stored state, built and shown as main() does, and on
    // the screen so that clicks reach its pages.
    mainWindow *openWindow();
    // Signs in on the page with the fixture code of that phone number.
    void signInWithCode(mainWindow *window, const QString &phone);

    StandInService m_service;
    QPointer<mainWindow> m_window;
};

void TestSignInPages::initTestCase()
{
    installFontSubstitutions();
    QVERIFY(m_service.listen());
    ServiceFixtures::pointClientAt(m_service.baseUrl());
}

void TestSignInPages::init()
{
    m_service.clearReplies();
    m_service.clearRequests();
    ServiceFixtures::storeSignedInTeacher(m_service.baseUrl());
    // The other fixture teachers choose on the page; a choice kept from an
    // earlier run in the same data folder would skip it.
    KV::remove("10004key_selected_org_id");
    KV::remove("12345678key_selected_org_id");
    LoginManager::setLoginErrorCount(0);
    LoginManager::setLastLoginErrorTime(0);
}

void TestSignInPages::cleanup()
{
    if (m_window)
        m_window->close();
    QTRY_VERIFY(m_window.isNull());
    qDeleteAll(topLevelWidgetsOf<CToast>());
}

mainWindow *TestSignInPages::openWindow()
{
    m_window = new mainWindow();
    m_window->init();
    m_window->show();
    if (!QTest::qWaitFor([this] { return m_window->quickView()->isExposed(); }))
        qWarning("the view was never exposed");
    return m_window;
}

void TestSignInPages::signInWithCode(mainWindow *window, const QString &phone)
{
    typeInto(window, QStringLiteral("phoneInput"), phone);
    typeInto(window, QStringLiteral("codeInput"), QStringLiteral("123456"));
    click(window, item(window, QStringLiteral("loginButton")));
}

void TestSignInPages::signInPageAndModeSwitch()
{
    LoginManager::cleanLoginInfo();
    mainWindow *window = openWindow();
    QVERIFY(visible(window, "loginItem"));
    // The phone number takes the keys once the view has the focus.
    QVERIFY(activate(window));
    QVERIFY(hasActiveFocus(window, "phoneInput"));
    QVERIFY(visible(window, "codeInput"));
    QVERIFY(visible(window, "getCodeButton"));
    QVERIFY(!visible(window, "passwordInput"));
    QCOMPARE(text(window, "modeSwitch"), QStringLiteral("密码登录"));
    QCOMPARE(text(window, "getCodeButton"), QStringLiteral("获取验证码"));

    // The page sets a minimum size of 60 by 40 text heights that leaves the
    // window at its start size.
    const QSize minimum = window->minimumSize();
    QVERIFY(minimum.width() > 0);
    QCOMPARE(minimum.width() * 2, minimum.height() * 3);
    QVERIFY(minimum.width() <= mainWindow::kWindowWidth && minimum.height() <= mainWindow::kWindowHeight);
    QCOMPARE(window->size(), QSize(mainWindow::kWindowWidth, mainWindow::kWindowHeight));

    // The picture keeps the left four sevenths, the form the rest.
    const QQuickItem *decorate = item(window, "loginDecorate");
    const QRectF picture(decorate->mapToScene(QPointF()), decorate->size());
    const qreal left = mainWindow::kWindowWidth * 4 / 7.0;
    QCOMPARE(picture.width(), 0.8 * qMin(left, qreal(mainWindow::kWindowHeight)));
    QVERIFY(qAbs(picture.center().x() - left / 2) <= 1 && qAbs(picture.center().y() - mainWindow::kWindowHeight / 2) <= 1);
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("signin_page")).isEmpty());

    // The switch empties code and password, keeps the phone number and
    // focuses the input now shown.
    typeInto(window, "phoneInput", ServiceFixtures::kTeacherPhone);
    typeInto(window, "codeInput", QStringLiteral("12a34"));
    QCOMPARE(text(window, "codeInput"), QStringLiteral("1234")); // digits only
    click(window, item(window, "modeSwitch"));
    QVERIFY(visible(window, "passwordInput"));
    QVERIFY(!visible(window, "codeInput"));
    QVERIFY(!visible(window, "getCodeButton"));
    QVERIFY(hasActiveFocus(window, "passwordInput"));
    QCOMPARE(text(window, "codeInput"), QString());
    QCOMPARE(text(window, "phoneInput"), QString::fromLatin1(ServiceFixtures::kTeacherPhone));
    QCOMPARE(text(window, "modeSwitch"), QStringLiteral("验证码登录"));
    typeInto(window, "passwordInput", QStringLiteral("secret"));
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("signin_page_password")).isEmpty());

    click(window, item(window, "modeSwitch"));
    QVERIFY(visible(window, "codeInput"));
    QVERIFY(hasActiveFocus(window, "codeInput"));
    QCOMPARE(text(window, "passwordInput"), QString());
    QCOMPARE(text(window, "modeSwitch"), QStringLiteral("密码登录"));
}

void TestSignInPages::codeCountDown()
{
    LoginManager::cleanLoginInfo();
    mainWindow *window = openWindow();
    typeInto(window, "phoneInput", ServiceFixtures::kTeacherPhone);
    typeInto(window, "codeInput", QStringLiteral("99"));
    click(window, item(window, "getCodeButton"));
    QTRY_COMPARE(text(window, "getCodeButton"), QStringLiteral("60s后获取"));
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("signin_page_countdown")).isEmpty());
    QCOMPARE(item(window, "getCodeButton")->property("textColor").value<QColor>(), QColor("#999999"));
    QCOMPARE(m_service.requestsTo(kSendCode).size(), 1);
    QCOMPARE(m_service.requestsTo(kSendCode).first().formValue("mobilePhone"),
             QString::fromLatin1(ServiceFixtures::kTeacherPhone));
    QCOMPARE(text(window, "codeInput"), QString());
    QVERIFY(hasActiveFocus(window, "codeInput"));

    // While it counts, the button asks for nothing.
    click(window, item(window, "getCodeButton"));
    QTRY_COMPARE_WITH_TIMEOUT(text(window, "getCodeButton"), QStringLiteral("59s后获取"), 3000);
    QCOMPARE(m_service.requestsTo(kSendCode).size(), 1);
    QVERIFY(toastTexts().isEmpty());
}

void TestSignInPages::codeRefused_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("needRegister");

    QTest::newRow("not registered") << "13800000009" << "请先用移动端进行注册" << 1 << true;
    QTest::newRow("no phone number") << "1380000000" << "手机号错误" << 0 << false;
}

void TestSignInPages::codeRefused()
{
    QFETCH(QString, phone);
    QFETCH(QString, toast);
    QFETCH(int, requests);
    QFETCH(bool, needRegister);

    LoginManager::cleanLoginInfo();
    mainWindow *window = openWindow();
    typeInto(window, "phoneInput", phone);
    click(window, item(window, "getCodeButton"));
    QTRY_COMPARE(toastTexts(), QStringList{toast});
    QTRY_COMPARE(item(window, "loginItem")->property("needRegister").toBool(), needRegister);
    QCOMPARE(m_service.requestsTo(kSendCode).size(), requests);
    // No count-down: another code may be asked for at once.
    QTest::qWait(100);
    QCOMPARE(text(window, "getCodeButton"), QStringLiteral("获取验证码"));

    // Back to the sign-in page (as after a sign-out): empty and unmarked.
    evaluate(window, QStringLiteral("theMainWindow.gotoLoginWindow()"));
    QVERIFY(!item(window, "loginItem")->property("needRegister").toBool());
    QCOMPARE(text(window, "phoneInput"), QString());
    QVERIFY(hasActiveFocus(window, "phoneInput"));
}

void TestSignInPages::signInModes_data()
{
    QTest::addColumn<bool>("passwordMode");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("loginMode");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("password");

    // The hidden input holds a stale value; only the visible one is sent.
    QTest::newRow("code, Return") << false << int(Qt::Key_Return) << "1" << "123456" << "";
    QTest::newRow("password, Enter") << true << int(Qt::Key_Enter) << "3" << "" << "secret";
}

void TestSignInPages::signInModes()
{
    QFETCH(bool, passwordMode);
    QFETCH(int, key);
    QFETCH(QString, loginMode);
    QFETCH(QString, code);
    QFETCH(QString, password);

    LoginManager::cleanLoginInfo();
    mainWindow *window = openWindow();
    typeInto(window, "phoneInput", ServiceFixtures::kTeacherPhone);
    if (passwordMode) {
        click(window, item(window, "modeSwitch"));
        item(window, "codeInput")->setProperty("text", "654321");
        typeInto(window, "passwordInput", password);
    } else {
        item(window, "passwordInput")->setProperty("text", "stale");
        typeInto(window, "codeInput", code);
    }
    keyClick(window, Qt::Key(key));
    QVERIFY(visible(window, "loadingItem"));
    QCOMPARE(item(window, "loadingItem")->property("loadingTextStr").toString(), QStringLiteral("登录中..."));
    QTRY_VERIFY(!visible(window, "loginItem"));

    const QList<StandInService::Request> signIns = m_service.requestsTo(kLoginCheck);
    QCOMPARE(signIns.size(), 1);
    const StandInService::Request &signIn = signIns.first();
    QCOMPARE(signIn.formValue("mobilePhone"), QString::fromLatin1(ServiceFixtures::kTeacherPhone));
    QCOMPARE(signIn.formValue("loginMode"), loginMode);
    QCOMPARE(signIn.formKeys().contains("verificationCode"), !code.isEmpty());
    QCOMPARE(signIn.formValue("verificationCode"), code);
    QCOMPARE(signIn.formKeys().contains("passwordStr"), !password.isEmpty());
    QCOMPARE(signIn.formValue("passwordStr"), password);
    // The sign-in goes on to the lists (and none of them reaches the next test).
    QTRY_COMPARE(m_service.requestsTo(kScheduleList).size(), 2);
}

void TestSignInPages::individualTeacherWithoutOrganisations()
{
    LoginManager::cleanLoginInfo();
    mainWindow *window = openWindow();
    signInWithCode(window, QStringLiteral("13800000004"));
    QTRY_VERIFY(!visible(window, "loginItem"));
    QTRY_COMPARE(m_service.requestsTo(kScheduleList).size(), 2);
    QCOMPARE(LoginManager::getUserID(), QStringLiteral("10004"));
    QCOMPARE(KV::get("10004key_selected_org_id"), QStringLiteral("0"));
    QCOMPARE(listOrgIDs(m_service), (QStringList{"0", "0"}));
    QVERIFY(!visible(window, "roleSelectItem"));
    QCOMPARE(text(window, "orgLine"), QString());
    QTRY_VERIFY(!visible(window, "loadingItem"));
}

void TestSignInPages::firstChoiceThenRestart()
{
    LoginManager::cleanLoginInfo();
    QVERIFY(KV::remove("10001key_selected_org_id"));
    AppInfo::setOrgId(QStringLiteral("999")); // left by an earlier sign-in
    mainWindow *window = openWindow();
    signInWithCode(window, ServiceFixtures::kTeacherPhone);

    // No choice yet: the page covers the window.
    QTRY_VERIFY(visible(window, "roleSelectItem"));
    QCOMPARE(item(window, "roleBox")->width(), window->quickView()->rootObject()->width());
    QCOMPARE(item(window, "roleBox")->height(), window->quickView()->rootObject()->height());
    QCOMPARE(text(window, "roleTitle"), QStringLiteral("选择身份"));
    QVERIFY(visible(window, "roleSubtitle"));
    QCOMPARE(text(window, "roleSubtitle"), QStringLiteral("选择后可在【更多】处切换"));
    QVERIFY(!visible(window, "roleConfirmButton"));
    // The entries follow the organisation list, which may come a moment later.
    QTRY_VERIFY(visible(window, "roleEntry_101"));
    QTRY_VERIFY(visible(window, "roleEntry_102"));
    QVERIFY(!item(window, "roleEntry_0")); // not an individual teacher
    QCOMPARE(roleEntry(window, 101)->property("source").toString(), QStringLiteral("qrc:/res/role/role_bg_2.png"));
    QCOMPARE(roleEntry(window, 102)->property("source").toString(), QStringLiteral("qrc:/res/role/role_bg_3.png"));
    QVERIFY(!entrySelected(window, 101) && !entrySelected(window, 102));
    QCOMPARE(KV::get("10001key_selected_org_id"), QString());
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("role_select_first")).isEmpty());

    // The lists asked for before the choice carry no organisation, not the
    // one of whoever signed in before.
    QTRY_COMPARE(listOrgIDs(m_service), (QStringList{"", ""}));

    // A click chooses, stores, reloads the lists for it and closes the page.
    m_service.clearRequests();
    click(window, roleEntry(window, 102));
    QVERIFY(!visible(window, "roleSelectItem"));
    QCOMPARE(KV::get("10001key_selected_org_id"), QStringLiteral("102"));
    QCOMPARE(text(window, "orgLine"), kSecondOrg);
    QTRY_COMPARE(listOrgIDs(m_service), (QStringList{"102", "102"}));
    QTRY_VERIFY(!visible(window, "loadingItem"));

    // A restart signs in with the token and applies the choice without the
    // page, asking for the lists once.
    window->close();
    QTRY_VERIFY(m_window.isNull());
    m_service.clearRequests();
    window = openWindow();
    QSignalSpy shown(item(window, "roleSelectItem"), &QQuickItem::visibleChanged);
    QTRY_VERIFY(!visible(window, "loginItem"));
    QTRY_COMPARE(listOrgIDs(m_service), (QStringList{"102", "102"}));
    QCOMPARE(m_service.requestsTo(kLoginCheck).size(), 1);
    QCOMPARE(m_service.requestsTo(kLoginCheck).first().formValue("loginMode"), QStringLiteral("2"));
    QCOMPARE(text(window, "orgLine"), kSecondOrg);
    QTest::qWait(200);
    QCOMPARE(m_service.requestsTo(kScheduleList).size(), 2);
    QCOMPARE(shown.count(), 0);
    // Marked for the page's next opening.
    QVERIFY(roleEntry(window, 102)->property("selected").toBool());
}

void TestSignInPages::individualTeacherChoosesToWorkAlone()
{
    // An individual teacher who also belongs to an organisation chooses.
    LoginManager::cleanLoginInfo();
    mainWindow *window = openWindow();
    signInWithCode(window, QStringLiteral("13800000002"));
    QTRY_VERIFY(visible(window, "roleSelectItem"));
    QTRY_COMPARE(m_service.requestsTo(kScheduleList).size(), 2);
    QTRY_VERIFY(visible(window, "roleEntry_0"));
    QTRY_VERIFY(visible(window, "roleEntry_9876543"));
    QCOMPARE(roleEntry(window, 0)->property("source").toString(), QStringLiteral("qrc:/res/role/role_bg_1.png"));
    QCOMPARE(roleEntry(window, 9876543)->property("source").toString(), QStringLiteral("qrc:/res/role/role_bg_2.png"));
    // The individual teacher's entry comes first.
    QVERIFY(roleEntry(window, 0)->mapToScene(QPointF()).x() < roleEntry(window, 9876543)->mapToScene(QPointF()).x());
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("role_select_individual")).isEmpty());

    m_service.clearRequests();
    click(window, roleEntry(window, 0));
    QVERIFY(!visible(window, "roleSelectItem"));
    QCOMPARE(KV::get("12345678key_selected_org_id"), QStringLiteral("0"));
    QCOMPARE(text(window, "orgLine"), QString());
    QTRY_COMPARE(listOrgIDs(m_service), (QStringList{"0", "0"}));
}

void TestSignInPages::changeOrganisation()
{
    mainWindow *window = openWindow();
    QTRY_VERIFY(!visible(window, "loginItem"));
    QTRY_COMPARE(m_service.requestsTo(kScheduleList).size(), 2);
    QTRY_VERIFY(!visible(window, "loadingItem"));
    QCOMPARE(text(window, "orgLine"), kFirstOrg);
    m_service.clearRequests();

    // Opened from the menu: a centred box with the current choice marked.
    evaluate(window, QStringLiteral("roleSelectItem.openForChange()"));
    QVERIFY(visible(window, "roleSelectItem"));
    QCOMPARE(text(window, "roleTitle"), QStringLiteral("切换身份"));
    QVERIFY(!visible(window, "roleSubtitle"));
    QVERIFY(visible(window, "roleCancelButton"));
    QVERIFY(visible(window, "roleConfirmButton"));
    QVERIFY(item(window, "roleBox")->width() < window->quickView()->rootObject()->width());
    QVERIFY(entrySelected(window, 101));
    QVERIFY(!entrySelected(window, 102));

    // A click only selects; "取消" restores the confirmed choice.
    click(window, roleEntry(window, 102));
    QVERIFY(visible(window, "roleSelectItem"));
    QVERIFY(entrySelected(window, 102));
    QVERIFY(!entrySelected(window, 101));
    QVERIFY(!saveTestPicture(grab(window), QStringLiteral("role_select_change")).isEmpty());
    click(window, item(window, "roleCancelButton"));
    QVERIFY(!visible(window, "roleSelectItem"));
    QCOMPARE(KV::get("10001key_selected_org_id"), QStringLiteral("101"));
    QCOMPARE(text(window, "orgLine"), kFirstOrg);
    evaluate(window, QStringLiteral("roleSelectItem.openForChange()"));
    QVERIFY(entrySelected(window, 101));
    QVERIFY(!entrySelected(window, 102));
    QTest::qWait(100);
    QCOMPARE(m_service.requestsTo(kScheduleList).size(), 0);

    // "确定" switches: stored, sent with the lists, named in the left bar.
    click(window, roleEntry(window, 102));
    click(window, item(window, "roleConfirmButton"));
    QVERIFY(!visible(window, "roleSelectItem"));
    QVERIFY(visible(window, "loadingItem"));
    QCOMPARE(item(window, "loadingItem")->property("loadingTextStr").toString(), QStringLiteral("加载中..."));
    QCOMPARE(KV::get("10001key_selected_org_id"), QStringLiteral("102"));
    QCOMPARE(text(window, "orgLine"), kSecondOrg);
    QTRY_COMPARE(listOrgIDs(m_service), (QStringList{"102", "102"}));
    QTRY_VERIFY(!visible(window, "loadingItem"));
    evaluate(window, QStringLiteral("roleSelectItem.openForChange()"));
    QVERIFY(entrySelected(window, 102));
}

QTEST_MAIN(TestSignInPages)
#include "tst_signinpages.moc"
