#pragma once
// The device result codes of the failure messages the renderer writes.
#include <cstdint>
#include <string>

// " (HRESULT=<name>)" for the device result codes the game knows by name, otherwise the
// code as a signed decimal integer. Device messages append it to their text.
std::string hresultText(std::uint32_t result);
