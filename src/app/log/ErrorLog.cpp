#include "app/log/ErrorLog.h"

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

std::string hresultText(std::uint32_t result)
{
    const char* name = nullptr;
    switch (result) {
    case 0x00000000u: name = "D3D_OK"; break;
    case 0x8876086Cu: name = "D3DERR_INVALIDCALL"; break;
    case 0x8876086Au: name = "D3DERR_NOTAVAILABLE"; break;
    case 0x8876017Cu: name = "D3DERR_OUTOFVIDEOMEMORY"; break;
    case 0x88760868u: name = "D3DERR_DEVICELOST"; break;
    default: break;
    }
    if (name)
        return std::string(" (HRESULT=") + name + ")";
    return " (HRESULT=" + std::to_string(static_cast<std::int32_t>(result)) + ")";
}
