#pragma once
// The values of the vendor enums, for the vendor-neutral core. The entry
// point files check that both vendors' headers agree with them.

namespace rtsdk {
namespace code {
constexpr int Ok = 0;
constexpr int Failure = 1;
constexpr int Rejected = 2;
constexpr int InvalidArgument = 3;
constexpr int NotInitialized = 4;
constexpr int NotLoggedIn = 5;
constexpr int Already = 6;
constexpr int TooLong = 7;
constexpr int NotJoined = 8;
constexpr int PeerUnreachable = 9;
constexpr int Released = 10;
} // namespace code

namespace state {
constexpr int Disconnected = 1;
constexpr int Connecting = 2;
constexpr int Connected = 3;
constexpr int Reconnecting = 4;
constexpr int Aborted = 5;
} // namespace state

namespace reason {
constexpr int Login = 1;
constexpr int LoginSuccess = 2;
constexpr int LoginFailure = 3;
constexpr int Interrupted = 5;
constexpr int Logout = 6;
constexpr int Forced = 7;
constexpr int RemoteLogin = 8;
} // namespace reason

namespace msgtype {
constexpr int Text = 1;
constexpr int Raw = 2;
} // namespace msgtype
} // namespace rtsdk
