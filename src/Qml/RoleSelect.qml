import QtQuick 2.12

// The organisation page. Filled in with its entries.
Item {
    id: root

    property real unit: 12

    // Asks the main page to show its loading overlay with the text.
    signal loadingRequested(string text)

    function initRoles(orgs, curOrgID, individual) {
    }

    function setOrgID(orgID, orgName, orgRoleName) {
    }

    function openForChange() {
    }
}
