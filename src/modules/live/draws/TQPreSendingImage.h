#pragma once

#include <string>
#include <vector>

// A page image the board must make sure the students have before a page turn
// shows it. Made by the page's material on request; owned by whoever holds it
// last.
class TQPreSendingImage
{
public:
    TQPreSendingImage(std::string url, int sendValue, bool currentPage, bool earlyTurn, int expectedSize);

    void setExtraUrls(std::vector<std::string> urls);

    // The page's image address.
    std::string url;
    // Passed on when the image file is sent.
    int sendValue;
    // The image is the page just turned to.
    bool currentPage;
    // The turn is one of the first two of the class.
    bool earlyTurn;
    // Bytes a local copy must at least have to count as complete.
    int expectedSize;
    // Addresses of the page's further files, sent along when present locally.
    std::vector<std::string> extraUrls;
};
