#pragma once
// The vendor's media types that RtcEngine<Api> takes.

#define RTSDK_RTC_API_TYPES(ns)                                                                                        \
    using IRtcEngine = ns::rtc::IRtcEngine;                                                                            \
    using IRtcEngineEventHandler = ns::rtc::IRtcEngineEventHandler;                                                    \
    using IRtcEngineParameter = ns::rtc::IRtcEngineParameter;                                                          \
    using RtcEngineContext = ns::rtc::RtcEngineContext;                                                                \
    using INTERFACE_ID_TYPE = ns::rtc::INTERFACE_ID_TYPE;                                                              \
    using VideoCanvas = ns::rtc::VideoCanvas;                                                                          \
    using VideoEncoderConfiguration = ns::rtc::VideoEncoderConfiguration;                                              \
    using RtcStats = ns::rtc::RtcStats;                                                                                \
    using RemoteVideoStats = ns::rtc::RemoteVideoStats;                                                                \
    using RemoteAudioStats = ns::rtc::RemoteAudioStats;                                                                \
    using AudioVolumeInfo = ns::rtc::AudioVolumeInfo;                                                                  \
    using uid_t = ns::rtc::uid_t;                                                                                      \
    using IMediaEngine = ns::media::IMediaEngine;                                                                      \
    using IAudioFrameObserver = ns::media::IAudioFrameObserver;                                                        \
    using IExternalVideoRender = ns::media::IExternalVideoRender;                                                      \
    using IExternalVideoRenderFactory = ns::media::IExternalVideoRenderFactory;                                        \
    using IExternalVideoRenderCallback = ns::media::IExternalVideoRenderCallback;                                      \
    using ExternalVideoRenderContext = ns::media::ExternalVideoRenderContext;                                          \
    using ExternalVideoFrame = ns::media::ExternalVideoFrame;                                                          \
    using VideoFrame = ns::media::VideoFrame;                                                                          \
    static constexpr INTERFACE_ID_TYPE IID_MEDIA_ENGINE = ns::rtc::IID_MEDIA_ENGINE;                                   \
    static constexpr INTERFACE_ID_TYPE IID_RTC_ENGINE_PARAMETER = ns::rtc::IID_RTC_ENGINE_PARAMETER;
