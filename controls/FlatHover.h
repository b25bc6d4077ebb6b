// Hover tracking of the flat buttons and the flat check box. Each control
// class polls the pointer with one shared timer and follows one instance at
// a time, so that a control also notices the pointer leaving onto a window
// that is not ours.
#pragma once

#include "framework/Controls.h"
#include "framework/Timer.h"


// A control that shows a hover look.
class TFlatHoverTarget {
public:
    virtual ~TFlatHoverTarget() = default;
    virtual TControl& HoverControl() = 0;
    bool MouseInControl() const { return FMouseIn; }

protected:
    // While true a leave is put off: the button is being dragged, the box is
    // held down.
    virtual bool HoverHeld() const = 0;

    bool FMouseIn = false;

    friend class TFlatHoverTracker;
};

// The shared timer and the tracked instance of one control class.
class TFlatHoverTracker {
public:
    static constexpr unsigned kInterval = 100;

    TFlatHoverTracker() = default;
    TFlatHoverTracker(const TFlatHoverTracker&) = delete;
    TFlatHoverTracker& operator=(const TFlatHoverTracker&) = delete;

    // Every instance of the class attaches once; the timer lives from the
    // first to the last of them.
    void Attach();
    void Detach(TFlatHoverTarget& target);

    TTimer* Timer() const { return FTimer.Timer(); }
    TFlatHoverTarget* Tracked() const { return FTracked; }

    // The pointer moved over target.
    void MouseMoved(TFlatHoverTarget& target);
    void Enter(TFlatHoverTarget& target);
    void Leave(TFlatHoverTarget& target);
    // Forgets target if it is the tracked one.
    void StopTracking(TFlatHoverTarget& target);
    // Enters or leaves by where the pointer is now (after a release, on
    // enabling).
    void Recheck(TFlatHoverTarget& target);

    // The control of ours under the screen pointer (windowless ones
    // included), or nullptr.
    static TControl* ControlUnderPointer();

private:
    static bool UnderPointer(TFlatHoverTarget& target);
    void Tick();
    // The previous instance leaves, target is followed and enters.
    void TrackInstead(TFlatHoverTarget& target);

    TSharedTimer FTimer{kInterval, [this] { Tick(); }};
    TFlatHoverTarget* FTracked = nullptr;
};
