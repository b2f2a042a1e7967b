#include "core/ErrorLog.h"

#include <cstdio>

namespace {
std::string& logPath()
{
    static std::string path = "error.txt";
    return path;
}
ErrorBoxPresenter* gPresenter = nullptr;
} // namespace

void setErrorLogPath(const std::string& path) { logPath() = path; }
const std::string& errorLogPath() { return logPath(); }

void logError(const std::string& message)
{
    std::FILE* file = std::fopen(logPath().c_str(), "a");
    if (!file)
        return;
    std::fputs("error: ", file);
    std::fwrite(message.data(), 1, message.size(), file);
    std::fputc('\n', file);
    std::fflush(file);
    std::fclose(file);
}

void setErrorBoxPresenter(ErrorBoxPresenter* presenter) { gPresenter = presenter; }
ErrorBoxPresenter* errorBoxPresenter() { return gPresenter; }

void showError(const std::string& message)
{
    logError(message);
    if (gPresenter)
        gPresenter->present("Error", message);
}
