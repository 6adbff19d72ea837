#pragma once

#include <string>
#include <vector>

// Velnor as a whole, measured from outside its process as a person meets
// it, and its list view's sort inside the real main window.

// Milliseconds from the start of the program's process until its dialog
// with the caption is shown and takes messages.
double StartupMilliseconds(const std::string& program, const std::string& caption);

// The program's peak working set in MiB once its dialog is shown.
double PeakMiBWhenShown(const std::string& program, const std::string& caption);
// One "Ping" of the servers that "Server List" holds: Velnor's peak
// working set in MiB over it, and how long the window was busy with it.
struct PingRun {
    double peakMiB;
    double seconds;
};
PingRun PingOnce(const std::string& velnor);

// The times in milliseconds of sorting 100 rows by ping in the real main
// window's list view, from one starting order: the sort alone, and until
// the list view has painted its result.
struct SortTimes {
    std::string order;
    std::vector<double> sort;
    std::vector<double> untilPainted;
};
std::vector<SortTimes> SortTimesOf100Rows(int rounds);

// Milliseconds between two QueryPerformanceCounter readings.
double MillisecondsBetween(long long startTicks, long long endTicks);
long long NowTicks();
