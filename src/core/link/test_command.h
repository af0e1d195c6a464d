#pragma once

namespace quilldar::link {

class HidLink;

// Hands the module an actuator test. With startTest set, the command report is written as the
// caller left it (a slot 20 definition), then, 200 ms later, the list 20, 3 so that the module
// alternates the test request and the live-data request. With startTest clear, the list 3 alone
// (live data only). The writes do not wait for replies and do not look at the link state.
void SendTestCommand(HidLink& link, bool startTest);

}  // namespace quilldar::link
