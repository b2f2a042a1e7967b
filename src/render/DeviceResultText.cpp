#include "render/DeviceResultText.h"

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
