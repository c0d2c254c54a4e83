#pragma once
#include "core/platform/screen.h"

namespace racedesk {

// The program is made before its main window; until the window exists, what the program asks
// of the screen goes nowhere.
class ScreenRelay : public Screen {
public:
    void setTarget(Screen* target) { target_ = target; }
    void invalidate(BoardArea area) override {
        if (target_ != nullptr)
            target_->invalidate(area);
    }
    void setRunLocked(bool locked) override {
        if (target_ != nullptr)
            target_->setRunLocked(locked);
    }
    void setRaceTitle(const char* title, bool titled) override {
        if (target_ != nullptr)
            target_->setRaceTitle(title, titled);
    }
    void setHeatImage(int itemCode, bool withResults) override {
        if (target_ != nullptr)
            target_->setHeatImage(itemCode, withResults);
    }
    void runChanged() override {
        if (target_ != nullptr)
            target_->runChanged();
    }
    void scanChanged() override {
        if (target_ != nullptr)
            target_->scanChanged();
    }

private:
    Screen* target_ = nullptr;
};

} // namespace racedesk
