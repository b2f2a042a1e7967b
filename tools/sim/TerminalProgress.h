#pragma once
// A one-line progress report on stderr for long runs ("matches done, time left"), drawn
// only when stderr is a terminal, so piped or logged output stays clean.
#include <chrono>
#include <string>

class TerminalProgress {
public:
    // total: how many steps the run has; what: the unit's name ("matches").
    TerminalProgress(long total, const char* what);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // One more step done; the line is redrawn at most a few times a second.
    void step();

    // "12/560 matches, 1 min 20 s left": what the line says after done steps of total,
    // elapsedSeconds into the run.
    static std::string line(long done, long total, const char* what, double elapsedSeconds);

private:
    long total_;
    long done_ = 0;
    const char* what_;
    bool shown_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point lastDrawn_;
};
