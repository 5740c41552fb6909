import QtQuick 2.12

// The award shown over the board when the teacher gives a student a cup.
Item {
    visible: false
}
