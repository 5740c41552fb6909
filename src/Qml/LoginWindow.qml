import QtQuick 2.12
import QtQuick.Controls 2.12
import "qrc:/Qml/CustomItem"

// A plain sign-in page: phone number and verification code. It covers the
// window until a sign-in succeeds.
Rectangle {
    id: root

    property real unit: 12
    property bool needRegister: false

    // The page started a sign-in (the main page shows its loading overlay).
    signal loginStarted()

    color: "#F4F7FC"

    function init() {
        phoneInput.text = ""
        codeInput.text = ""
        needRegister = false
        visible = true
        phoneInput.forceActiveFocus()
    }

    function handleLogin() {
        if (theMainWindow.login(phoneInput.text, codeInput.text, ""))
            loginStarted()
    }

    // Swallow clicks meant for the pages below.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Rectangle {
        anchors.centerIn: parent
        width: 26 * root.unit
        height: form.height + 6 * root.unit
        radius: 8
        color: "#FFFFFF"

        Column {
            id: form
            anchors.centerIn: parent
            width: 20 * root.unit
            spacing: 1.5 * root.unit

            StandardText {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "登录教师端"
                color: "#3A78E6"
                font.pointSize: 12
                font.bold: true
            }

            TextField {
                id: phoneInput
                objectName: "phoneInput"
                width: parent.width
                placeholderText: "请输入手机号"
                font.family: "SimSun"
                font.pointSize: 12
                validator: RegExpValidator { regExp: /[0-9]*/ }
                onAccepted: codeInput.forceActiveFocus()
            }

            Row {
                width: parent.width
                spacing: root.unit

                TextField {
                    id: codeInput
                    objectName: "codeInput"
                    width: parent.width - getCode.width - parent.spacing
                    placeholderText: "请输入验证码"
                    font.family: "SimSun"
                    font.pointSize: 12
                    validator: RegExpValidator { regExp: /[0-9]*/ }
                    onAccepted: root.handleLogin()
                }

                CustomTextButton {
                    id: getCode
                    objectName: "getCodeButton"
                    anchors.verticalCenter: parent.verticalCenter
                    text: "获取验证码"
                    textColor: "#252729"
                    borderColor: "#D5D8DC"
                    onItemClicked: {
                        theMainWindow.getVerificationCode(phoneInput.text)
                        codeInput.forceActiveFocus()
                    }
                }
            }

            CustomButton {
                objectName: "loginButton"
                width: parent.width
                height: 3 * root.unit
                text: "登 录"
                bgColor: "#3A78E6"
                radius: 6
                fontSize: 12
                onBtnClicked: root.handleLogin()
            }

            StandardText {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "<font color='#3A78E6'>*</font><font color='#999EA3'>初次使用请先在手机端或iPad上注册</font>"
                textFormat: Text.RichText
                font.pointSize: 9
            }
        }
    }

    Component.onCompleted: phoneInput.forceActiveFocus()
}
