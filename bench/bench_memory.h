#pragma once

// The peak memory of a piece of work inside a benchmark process.
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <string>

namespace korvida::bench {

// A value from /proc/self/status, in kB.
inline double statusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::atof(line.c_str() + key.size() + 1);
    return 0;
}

// Gives memory freed earlier back to the system and starts the peak resident size afresh;
// answers the resident size now, in kB. The peak after a piece of work less this is what
// the work needed at most.
inline double startPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKilobytes("VmRSS");
}

inline double peakKilobytes()
{
    return statusKilobytes("VmHWM");
}

} // namespace korvida::bench
