#include "TerminalProgress.h"

#include <cstdio>
#include <unistd.h>

namespace {
constexpr double kRedrawSeconds = 0.25;

std::string duration(double seconds)
{
    const long s = static_cast<long>(seconds + 0.5);
    char text[48];
    if (s >= 3600)
        std::snprintf(text, sizeof text, "%ld h %ld min", s / 3600, (s % 3600) / 60);
    else if (s >= 60)
        std::snprintf(text, sizeof text, "%ld min %ld s", s / 60, s % 60);
    else
        std::snprintf(text, sizeof text, "%ld s", s);
    return text;
}
}  // namespace

TerminalProgress::TerminalProgress(long total, const char* what)
    : total_(total), what_(what), shown_(isatty(STDERR_FILENO) != 0),
      started_(std::chrono::steady_clock::now()), lastDrawn_(started_)
{
}

TerminalProgress::~TerminalProgress()
{
    // The line is wiped so that the results start on a clean line.
    if (shown_ && done_ > 0)
        std::fprintf(stderr, "\r\033[K");
}

std::string TerminalProgress::line(long done, long total, const char* what, double elapsedSeconds)
{
    std::string text = std::to_string(done) + "/" + std::to_string(total) + " " + what;
    if (done > 0 && done < total)
        text += ", " + duration(elapsedSeconds / static_cast<double>(done) * static_cast<double>(total - done)) + " left";
    return text;
}

void TerminalProgress::step()
{
    ++done_;
    if (!shown_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (done_ < total_ && std::chrono::duration<double>(now - lastDrawn_).count() < kRedrawSeconds)
        return;
    lastDrawn_ = now;
    const double elapsed = std::chrono::duration<double>(now - started_).count();
    std::fprintf(stderr, "\r\033[K%s", line(done_, total_, what_, elapsed).c_str());
    std::fflush(stderr);
}
