#include "modules/live/draws/TQDrawBackgroundDownloader.h"

TQDrawBackgroundDownloader::~TQDrawBackgroundDownloader() = default;
