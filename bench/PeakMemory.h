#pragma once
// PeakMemory: the peak resident memory of this process so far (VmHWM of /proc/self/status),
// in megabytes (2^20 bytes). Linux only; 0 where the file or the line is missing.
namespace PeakMemory {

double megabytes();

}  // namespace PeakMemory
