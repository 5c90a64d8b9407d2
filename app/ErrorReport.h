#pragma once
// The program's last line of defence: runs the game and reports whatever error ends it, in
// the two lines "exception caught!" and three spaces plus the message (or "Unknown object
// caught!" for anything that is not an exception).
#include <functional>
#include <iosfwd>

void runReportingErrors(const std::function<void()>& body, std::ostream& out);
