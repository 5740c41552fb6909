#pragma once

#include <QtGlobal>

namespace agora {
namespace base {
class IAgoraService;
}
}  // namespace agora
namespace agora {
namespace rtc {
class IRtcEngine;
}
}  // namespace agora

// Finds the exports of the Agora RTC library that are taken by ordinal: the
// engine factory (ordinal 2) and the base service of the messaging side
// (ordinal 1). The engine classes ask here instead of naming the functions,
// so they stay the same whichever library provides them.
class TQAgoraSdkResolver
{
public:
    static constexpr int kBaseServiceOrdinal = 1;
    static constexpr int kEngineFactoryOrdinal = 2;

    using BaseServiceFactory = agora::base::IAgoraService *(*)();
    using EngineFactory = agora::rtc::IRtcEngine *(*)();

    // The export under `ordinal`, or null when the library has none.
    static QFunctionPointer resolve(int ordinal);

    // Ordinal 1 with its type; null when missing.
    static BaseServiceFactory baseServiceFactory();
    // Ordinal 2 with its type; null when missing.
    static EngineFactory engineFactory();
};
