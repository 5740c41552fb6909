import QtQuick 2.12

// The floating play control of the PPT animation player.
Item {
}
