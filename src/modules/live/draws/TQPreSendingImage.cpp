#include "modules/live/draws/TQPreSendingImage.h"

#include <utility>

TQPreSendingImage::TQPreSendingImage(std::string url, int sendValue, bool currentPage, bool earlyTurn,
                                     int expectedSize)
    : url(std::move(url))
    , sendValue(sendValue)
    , currentPage(currentPage)
    , earlyTurn(earlyTurn)
    , expectedSize(expectedSize)
{
}

void TQPreSendingImage::setExtraUrls(std::vector<std::string> urls)
{
    extraUrls = std::move(urls);
}
