#pragma once

// Program-wide: true from program start, set again by every class window's
// start and never cleared, so it holds whenever a class window exists. The
// popover manager and the real-time adapter test it. GUI thread only.
extern bool inClassFlag;
