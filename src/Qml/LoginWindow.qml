import QtQuick 2.12
import QtQuick.Controls 2.12
import "qrc:/Qml/CustomItem"

// The sign-in page: a picture on the left, the form on the right. The teacher
// signs in with the phone number and either an SMS code or a password; the
// page covers the window until a sign-in succeeds.
Rectangle {
    id: root

    property real unit: 12
    property bool needRegister: false
    // Verification-code mode; the switch turns it into password mode.
    property bool codeMode: true
    // Seconds left before another code may be asked for.
    property int countDown: 0

    // The page started a sign-in (the main page shows its loading overlay).
    signal loginStarted()

    color: "#F4F7FC"

    // An input line of the form: 12 pt, a thin frame that turns blue with focus.
    component FormInput: TextField {
        width: parent.width
        height: 3 * root.unit
        leftPadding: root.unit
        rightPadding: root.unit
        verticalAlignment: TextInput.AlignVCenter
        font.family: "SimSun"
        font.pointSize: 12
        color: "#252729"
        placeholderTextColor: "#B5B9BE"
        selectByMouse: true
        background: Rectangle {
            radius: 4
            color: "#FFFFFF"
            border.width: 1
            border.color: parent.activeFocus ? "#3A78E6" : "#D5D8DC"
        }
    }

    // A label above an input line.
    component FormLabel: StandardText {
        color: "#252729"
        font.pointSize: 10
    }

    function init() {
        phoneInput.text = ""
        codeInput.text = ""
        passwordInput.text = ""
        visible = true
        needRegister = false
        phoneInput.forceActiveFocus()
    }

    function focusSecret() {
        if (codeMode)
            codeInput.forceActiveFocus()
        else
            passwordInput.forceActiveFocus()
    }

    // Only the visible one of code and password goes out. The overlay is
    // shown only for a request that went out: a refused input has its toast.
    function handleLogin() {
        var code = codeMode ? codeInput.text : ""
        var password = codeMode ? "" : passwordInput.text
        if (theMainWindow.login(phoneInput.text, code, password))
            loginStarted()
    }

    function switchMode() {
        codeMode = !codeMode
        codeInput.text = ""
        passwordInput.text = ""
        focusSecret()
    }

    // The phone number stays: it is the one the code is sent to.
    function requestCode() {
        if (countDownTimer.running)
            return
        theMainWindow.getVerificationCode(phoneInput.text)
        codeInput.text = ""
        passwordInput.text = ""
        focusSecret()
    }

    // Swallow clicks meant for the pages below.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Item {
        id: decorateArea
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: parent.width * 4 / 7

        Image {
            objectName: "loginDecorate"
            anchors.centerIn: parent
            width: 0.8 * Math.min(parent.width, parent.height)
            height: width
            source: "qrc:/res/login_decorate.png"
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }
    }

    Rectangle {
        id: formArea
        anchors.left: decorateArea.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        color: "#FFFFFF"

        Column {
            id: form
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -root.unit
            width: 20 * root.unit
            spacing: root.unit

            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 4.5 * root.unit
                height: width
                source: "qrc:/res/logo.png"
                smooth: true
                mipmap: true
            }

            StandardText {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "登录教师端"
                color: "#3A78E6"
                font.pointSize: 12
                font.bold: true
            }

            Item { width: 1; height: root.unit / 2 }

            FormLabel { text: "手机号" }

            FormInput {
                id: phoneInput
                objectName: "phoneInput"
                placeholderText: "请输入手机号"
                inputMethodHints: Qt.ImhDigitsOnly
                validator: RegExpValidator { regExp: /[0-9]*/ }
            }

            FormLabel { text: root.codeMode ? "验证码" : "密码" }

            Row {
                width: parent.width
                spacing: root.unit
                visible: root.codeMode

                FormInput {
                    id: codeInput
                    objectName: "codeInput"
                    width: parent.width - getCode.width - parent.spacing
                    placeholderText: "请输入验证码"
                    inputMethodHints: Qt.ImhDigitsOnly
                    validator: RegExpValidator { regExp: /[0-9]*/ }
                    onAccepted: root.handleLogin()
                }

                CustomTextButton {
                    id: getCode
                    objectName: "getCodeButton"
                    anchors.verticalCenter: parent.verticalCenter
                    // As wide as its longest text, so the count-down does not
                    // make the input jump.
                    setWidth: buttonFont.advanceWidth("获取验证码") + 2 * buttonFont.height
                    setHeight: codeInput.height
                    text: "获取验证码"
                    textColor: "#252729"
                    borderColor: "#D5D8DC"
                    onItemClicked: root.requestCode()
                }
            }

            FormInput {
                id: passwordInput
                objectName: "passwordInput"
                visible: !root.codeMode
                placeholderText: "请输入密码"
                echoMode: TextInput.Password
                onAccepted: root.handleLogin()
            }

            StandardText {
                id: modeSwitch
                objectName: "modeSwitch"
                anchors.right: parent.right
                text: root.codeMode ? "密码登录" : "验证码登录"
                color: "#3A78E6"
                font.pointSize: 10
                font.underline: true

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.switchMode()
                }
            }

            CustomButton {
                id: loginButton
                objectName: "loginButton"
                width: parent.width
                height: 3.2 * root.unit
                text: "登 录"
                bgColor: "#3A78E6"
                textColor: "white"
                radius: 6
                fontSize: 12
                onBtnClicked: root.handleLogin()
            }
        }

        StandardText {
            objectName: "loginTip"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2 * root.unit
            text: "<font color='#3A78E6'>*</font><font color='#999EA3'>初次使用请先在手机端或iPad上注册</font>"
            textFormat: Text.RichText
            font.pointSize: 9
        }
    }

    // The font of the code button's text.
    FontMetrics {
        id: buttonFont
        font.family: "SimSun"
        font.pointSize: getCode.textFontSize
    }

    // Fires at once, then every second: shows the seconds left and counts
    // down; at 0 the button asks for codes again.
    Timer {
        id: countDownTimer
        interval: 1000
        repeat: true
        triggeredOnStart: true
        onTriggered: {
            if (root.countDown >= 1) {
                getCode.text = root.countDown + "s后获取"
                getCode.textColor = "#999999"
                root.countDown -= 1
            } else {
                stop()
                getCode.text = "获取验证码"
                getCode.textColor = "#252729"
            }
        }
    }

    Connections {
        target: theMainWindow

        function onVerificationCodeGetted() {
            root.countDown = 60
            countDownTimer.restart()
        }
    }

    // The inked height of the code button's text. Its line height would do on
    // fonts without leading, but the CJK fonts here add so much that 40 lines
    // exceed the window's start size.
    TextMetrics {
        id: buttonText
        font: buttonFont.font
        text: "获取验证码"
    }

    Component.onCompleted: {
        phoneInput.forceActiveFocus()
        var textHeight = Math.ceil(buttonText.tightBoundingRect.height)
        theMainWindow.setContentSize(x + 60 * textHeight, 40 * textHeight)
    }
}
