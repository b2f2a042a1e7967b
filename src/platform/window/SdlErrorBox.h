#pragma once
// The blocking error box of start-up failures, shown with SDL's simple message box.
#include "core/ErrorLog.h"

class SdlErrorBox : public ErrorBoxPresenter {
public:
    void present(const std::string& title, const std::string& message) override;
};
