#pragma once

// Module names under which the native items are visible to QML.
inline constexpr const char *kControlsModule = "com.morvane.veltro.controls";
inline constexpr const char *kVideoWidgetModule = "AVideoWidget";

// Registers every native item type the QML files create (version 1.0).
void registerQmlTypes();
