import QtQuick 2.12

// Small helpers the pages share; a page creates one as its child "commonFun".
Item {
    function getCurrentTimeStr(format) {
        return new Date().toLocaleString(Qt.locale(), format ? format : "yyyy/MM/dd hh:mm:ss")
    }

    function max(a, b) {
        return a > b ? a : b
    }
}
